#include "platform/logind.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDateTime>

#include <unistd.h>

namespace logind {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");
// The user may be asked to authenticate; give the answer time to come.
constexpr int kCallTimeoutMs = 120000;

struct Inhibitor {
    QString what, who, why, mode;
    uint uid = 0, pid = 0;
};

const QDBusArgument& operator>>(const QDBusArgument& arg, Inhibitor& lock) {
    arg.beginStructure();
    arg >> lock.what >> lock.who >> lock.why >> lock.mode >> lock.uid >> lock.pid;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const Inhibitor& lock) {
    arg.beginStructure();
    arg << lock.what << lock.who << lock.why << lock.mode << lock.uid << lock.pid;
    arg.endStructure();
    return arg;
}

} // namespace
} // namespace logind

Q_DECLARE_METATYPE(logind::Inhibitor)

namespace logind {
namespace {

bool permitted(QDBusInterface& manager, const char* query) {
    const QDBusReply<QString> answer = manager.call(QString::fromLatin1(query));
    // "challenge": allowed once the user authenticates, which logind asks for.
    return answer.isValid() &&
           (answer.value() == QLatin1String("yes") || answer.value() == QLatin1String("challenge"));
}

bool blockedByAnotherProgram(QDBusInterface& manager) {
    qDBusRegisterMetaType<Inhibitor>();
    qDBusRegisterMetaType<QList<Inhibitor>>();
    const QDBusReply<QList<Inhibitor>> locks = manager.call(QStringLiteral("ListInhibitors"));
    if (!locks.isValid())
        return false;
    for (const Inhibitor& lock : locks.value())
        if (lock.mode == QLatin1String("block") &&
            lock.what.split(QLatin1Char(':')).contains(QLatin1String("shutdown")) &&
            lock.pid != uint(getpid()))
            return true;
    return false;
}

bool endOwnSession(QDBusConnection& bus, QDBusInterface& manager) {
    const QDBusReply<QDBusObjectPath> session =
        manager.call(QStringLiteral("GetSessionByPID"), uint(getpid()));
    if (!session.isValid())
        return false;
    QDBusInterface own(kService, session.value().path(), kSession, bus);
    return own.call(QStringLiteral("Terminate")).type() != QDBusMessage::ErrorMessage;
}

} // namespace

bool available() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
    if (registered.isValid() && registered.value())
        return true;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

bool request(const platform::ShutdownRequest& request) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface manager(kService, kManagerPath, kManager, bus);
    if (!manager.isValid())
        return false;
    manager.setTimeout(kCallTimeoutMs);

    if (request.kind == platform::ShutdownKind::LogOff)
        return endOwnSession(bus, manager);

    const bool reboot = request.kind == platform::ShutdownKind::Reboot;
    if (!permitted(manager, reboot ? "CanReboot" : "CanPowerOff"))
        return false;
    if (!request.force && blockedByAnotherProgram(manager))
        return false;
    if (!request.message.isEmpty())
        manager.call(QStringLiteral("SetWallMessage"), request.message, true);
    QDBusMessage answer;
    if (request.delaySeconds > 0) {
        const qint64 when =
            QDateTime::currentMSecsSinceEpoch() * 1000 + qint64(request.delaySeconds) * 1000000;
        answer = manager.call(QStringLiteral("ScheduleShutdown"),
                              reboot ? QStringLiteral("reboot") : QStringLiteral("poweroff"),
                              QVariant::fromValue(qulonglong(when)));
    } else {
        // true: logind may ask the user to authenticate.
        answer = manager.call(reboot ? QStringLiteral("Reboot") : QStringLiteral("PowerOff"), true);
    }
    return answer.type() != QDBusMessage::ErrorMessage;
}

} // namespace logind
