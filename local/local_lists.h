#pragma once
// The local panel's two lists: `katalog`, the folders on the way to the
// current folder and its subfolders, and `pliki`, the files of that folder.

#include <QListWidget>
#include <QString>

class TLocalFolderList : public QListWidget {
    Q_OBJECT
public:
    explicit TLocalFolderList(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    // Opens a folder; false (and nothing changes) when it cannot be read.
    bool setDirectory(const QString& path);
    void refresh();
    // Folder shown on a row (ancestors first, then subfolders).
    QString folderAt(int row) const;

signals:
    void directoryChanged(const QString& path);

private:
    QString directory_;
};

class TLocalFileList : public QListWidget {
    Q_OBJECT
public:
    explicit TLocalFileList(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    void setDirectory(const QString& path);
    // Name mask such as "*.txt" ("*.*" shows everything).
    void setMask(const QString& mask);
    QString mask() const { return mask_; }
    void refresh();
    // Full path of a row's file.
    QString filePath(int row) const;
    QStringList selectedFileNames() const;

private:
    QString directory_;
    QString mask_ = QStringLiteral("*.*");
};
