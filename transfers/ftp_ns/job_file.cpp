#include "transfers/ftp_ns/job_file.h"

bool splitDownloadFolders(const QString& line, QString* localFolder, QString* remoteFolder) {
    // A local folder may hold "*" itself; the separator before the star marks the real one.
    qsizetype star = -1;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('*') &&
            (line[i - 1] == QLatin1Char('/') || line[i - 1] == QLatin1Char('\\'))) {
            star = i;
            break;
        }
    }
    if (star < 0)
        star = line.indexOf(QLatin1Char('*'));
    if (star < 0)
        return false;
    *localFolder = line.left(star);
    *remoteFolder = line.mid(star + 1);
    return !localFolder->isEmpty();
}

std::optional<FtpNsJob> parseFtpNsJob(const QStringList& lines, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<FtpNsJob> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (lines.size() < 7)
        return fail(QStringLiteral("the job file has fewer than 7 lines"));
    FtpNsJob job;
    const QString kind = lines[0].trimmed();
    if (kind == QLatin1String("1"))
        job.kind = FtpNsJob::Upload;
    else if (kind == QLatin1String("0"))
        job.kind = FtpNsJob::Download;
    else
        return fail(QStringLiteral("unknown job kind \"%1\"").arg(kind));
    job.server = lines[1].trimmed();
    job.password = lines[2];
    job.user = lines[3];
    if (job.kind == FtpNsJob::Upload) {
        job.remoteFolder = lines[4];
    } else if (!splitDownloadFolders(lines[4], &job.localFolder, &job.remoteFolder)) {
        return fail(QStringLiteral("line 5 holds no local folder before \"*\""));
    }
    bool ok = false;
    job.port = lines[5].trimmed().toInt(&ok);
    if (!ok || job.port <= 0 || job.port > 65535)
        return fail(QStringLiteral("invalid port \"%1\"").arg(lines[5]));
    job.passive = lines[6].trimmed() == QLatin1String("1");
    for (qsizetype i = 7; i < lines.size(); ++i)
        if (!lines[i].isEmpty())
            job.files << lines[i];
    if (job.server.isEmpty())
        return fail(QStringLiteral("no server name"));
    if (job.files.isEmpty())
        return fail(QStringLiteral("no files to transfer"));
    return job;
}
