#pragma once
// A temporary program folder for one test: KORVANTE_HOME points at it while
// the object lives, and helpers write state files into it. The process's
// current folder, which follows the local panel into this folder, is put
// back before the folder goes: programs the next test starts (the FTP
// server) would otherwise inherit a deleted current folder.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TempHome {
public:
    TempHome();
    ~TempHome();

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    // Writes a state file as the program would (Windows-1250, CR LF).
    void writeLines(const QString& name, const QStringList& lines) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;
    QStringList readLines(const QString& name) const;
    bool exists(const QString& name) const;
    // A konf.dat with the built-in settings; the default folder is the home itself.
    void writeDefaultKonf(int language = 1, int startCategory = 7) const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
    QString previousCurrentFolder_;
};
