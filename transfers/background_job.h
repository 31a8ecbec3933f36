#pragma once
// The job a background session is handed: the lines of ftp_n_s.dat, which
// FTP_ns reads from the program folder. Lines 1 to 7 are fixed (kind, server,
// password, user, folder, port, passive), the files follow one per line.

#include <QString>
#include <QStringList>

namespace background {

struct Connection {
    QString server;
    QString password;
    QString user;
    QString port;
    bool passive = false;
};

// Kind "1": the full local paths of `names` in `localFolder`, sent into `remoteFolder`.
QStringList uploadJob(const Connection& connection, const QString& remoteFolder,
                      const QString& localFolder, const QStringList& names);
// Kind "0": the remote `names` of `remoteFolder`, fetched into `localFolder`.
QStringList downloadJob(const Connection& connection, const QString& localFolder,
                        const QString& remoteFolder, const QStringList& names);
// Line 5 of a download job: the local folder ending in one separator, "*",
// the remote folder. A root already ends in its separator.
QString downloadFolders(const QString& localFolder, const QString& remoteFolder);

// Writes the job whole and for its owner only (it holds the password).
bool writeJob(const QString& path, const QStringList& lines);

} // namespace background
