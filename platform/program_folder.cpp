#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace platform {
namespace {

// The state file every run writes; its presence marks a portable folder.
const char* const kStateMarkers[] = {"konf.dat", "roz.dat", "S_list.dat", "pas.dat"};

bool holdsStateFiles(const QString& folder) {
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const char* marker : kStateMarkers)
        for (const QString& entry : entries)
            if (entry.compare(QLatin1String(marker), Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

QString userDataFolder(const ProgramFolderInputs& in) {
    const QString base = QDir::isAbsolutePath(in.xdgDataHome)
                             ? in.xdgDataHome
                             : QDir(in.userHome).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("korvante")));
}

} // namespace

ProgramFolderChoice chooseProgramFolder(const ProgramFolderInputs& in) {
    ProgramFolderChoice choice;
    if (!in.homeVariable.isEmpty()) {
        const QString home = QDir::cleanPath(in.homeVariable);
        if (in.writable(home)) {
            choice.folder = home;
            return choice;
        }
        choice.unwritable = home;
    } else if (!in.executableDir.isEmpty()) {
        const QString exe = QDir::cleanPath(in.executableDir);
        const bool holds = holdsStateFiles(exe);
        if (in.writable(exe) && (holds || !isInstalledTree(exe))) {
            choice.folder = exe;
            choice.portable = true;
            return choice;
        }
        if (holds)
            choice.unwritable = exe;
    }
    choice.folder = userDataFolder(in);
    return choice;
}

bool isInstalledTree(const QString& executableDir) {
    const QDir dir(executableDir);
    const QString entry = QStringLiteral("share/applications/") + QLatin1String(kDesktopEntry);
    return QFileInfo::exists(dir.filePath(QStringLiteral("../") + entry)) ||
           QFileInfo::exists(dir.filePath(QStringLiteral("../../") + entry));
}

bool ensurePrivateFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
}

bool folderWritable(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".korvante-probe-XXXXXX")));
    return probe.open();
}

ProgramFolderChoice programFolderChoice() {
    static QString decidedFor;
    static bool decided = false;
    static ProgramFolderChoice choice;
    const QString home = qEnvironmentVariable("KORVANTE_HOME");
    if (decided && decidedFor == home)
        return choice;
    // A folder named on purpose is made when it is not there yet.
    if (!home.isEmpty() && !QFileInfo(home).exists())
        QDir().mkpath(home);
    ProgramFolderInputs in;
    in.homeVariable = home;
    in.executableDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    in.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    in.userHome = QDir::homePath();
    in.writable = folderWritable;
    choice = chooseProgramFolder(in);
    if (!choice.portable && choice.folder != QDir::cleanPath(home))
        ensurePrivateFolder(choice.folder);
    decided = true;
    decidedFor = home;
    return choice;
}

QString companionProgram(const QString& name) {
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString beside = dir.filePath(name);
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../libexec/korvante/") + name));
    return QFileInfo(installed).isExecutable() ? installed : beside;
}

} // namespace platform
