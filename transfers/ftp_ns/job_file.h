// The job of FTP_ns, read from ftp_n_s.dat in the program folder: lines 1-7 fixed
// (kind, server, password, user, folder, port, passive), then one file per line.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct FtpNsJob {
    enum Kind { Download, Upload };
    Kind kind = Upload;
    QString server;
    QString password;
    QString user;
    QString remoteFolder;
    QString localFolder; // download jobs only
    int port = 21;
    bool passive = false;
    // Upload: full local paths. Download: remote names.
    QStringList files;
};

// The job of the file's lines; nullopt with a reason when the lines are not a job.
std::optional<FtpNsJob> parseFtpNsJob(const QStringList& lines, QString* error = nullptr);

// Line 5 of a download job: the local folder (ending in a separator), "*", the remote
// folder. The "*" that follows the local folder's last separator splits the two.
bool splitDownloadFolders(const QString& line, QString* localFolder, QString* remoteFolder);
