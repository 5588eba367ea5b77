#include "platform/gui/SessionWatch.h"

#include "platform/Log.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

#include <functional>
#include <unistd.h>
#include <utility>

namespace vexo::platform {
namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// Calls go out asynchronously; this only bounds how long an answer is awaited.
constexpr int kCallTimeoutMs = 5000;

QDBusMessage managerCall(const QString& method) {
    return QDBusMessage::createMethodCall(kLogind, kManagerPath, kManagerInterface, method);
}

// The session of this process; when it runs outside one (started by a user
// service, say), the session named by the environment, then the one logind
// picks for the user ("auto": the user's graphical session).
QList<QDBusMessage> sessionLookups() {
    QList<QDBusMessage> calls;
    calls << (managerCall(QStringLiteral("GetSessionByPID")) << quint32(::getpid()));
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty())
        calls << (managerCall(QStringLiteral("GetSession")) << id);
    calls << (managerCall(QStringLiteral("GetSession")) << QStringLiteral("auto"));
    return calls;
}

bool isNoService(const QDBusError& error) {
    return error.type() == QDBusError::ServiceUnknown ||
           error.name() == u"org.freedesktop.DBus.Error.NameHasNoOwner";
}

// Runs done with the finished call on the main thread, then lets the call go.
void whenAnswered(QDBusPendingCall call, QObject* context,
                  std::function<void(QDBusPendingCallWatcher&)> done) {
    auto* watcher = new QDBusPendingCallWatcher(std::move(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done = std::move(done)](QDBusPendingCallWatcher* finished) {
                         done(*finished);
                         finished->deleteLater();
                     });
}

} // namespace

SessionWatch::SessionWatch(QObject* parent) : QObject(parent) {}

SessionWatch::~SessionWatch() = default;

void SessionWatch::start(const QDBusConnection& bus) {
    bus_ = bus;
    if (!bus_.isConnected()) {
        reportTrouble("no system bus", bus_.lastError().message());
        return;
    }
    bus_.connect(kLogind, kManagerPath, kManagerInterface, QStringLiteral("PrepareForSleep"), this,
                 SLOT(prepareForSleep(bool)));
    lookUpSession(sessionLookups());
}

void SessionWatch::lookUpSession(QList<QDBusMessage> calls) {
    const QDBusMessage call = calls.takeFirst();
    whenAnswered(bus_.asyncCall(call, kCallTimeoutMs), this,
                 [this, calls](QDBusPendingCallWatcher& answer) {
                     const QDBusPendingReply<QDBusObjectPath> reply = answer;
                     if (!reply.isError()) {
                         followSession(reply.value().path());
                         takeSleepDelay();
                     } else if (isNoService(reply.error())) {
                         reportTrouble("no logind on the system bus", reply.error().message());
                     } else if (!calls.isEmpty()) {
                         lookUpSession(calls);
                     } else {
                         // The sleep can still wait for the lock.
                         reportTrouble("no login session", reply.error().message());
                         takeSleepDelay();
                     }
                 });
}

void SessionWatch::followSession(const QString& path) {
    sessionPath_ = path;
    bus_.connect(kLogind, path, kSessionInterface, QStringLiteral("Lock"), this,
                 SLOT(lockRequested()));
    bus_.connect(kLogind, path, kPropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                 SLOT(sessionPropertiesChanged(QString, QVariantMap, QStringList)));
    qCInfo(lcVexo, "session watch: following %s", qUtf8Printable(path));
}

void SessionWatch::takeSleepDelay() {
    if (sleepDelay_.valid() || inhibitPending_)
        return;
    QDBusMessage call = managerCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Vexo")
         << QStringLiteral("Locks the vault before the computer sleeps") << QStringLiteral("delay");
    inhibitPending_ = true;
    whenAnswered(bus_.asyncCall(call, kCallTimeoutMs), this,
                 [this](QDBusPendingCallWatcher& answer) {
                     inhibitPending_ = false;
                     const QDBusPendingReply<QDBusUnixFileDescriptor> reply = answer;
                     if (reply.isError()) {
                         reportTrouble("no sleep delay", reply.error().message());
                         return;
                     }
                     QDBusUnixFileDescriptor descriptor = reply.value();
                     // A sleep that began while the call was under way has
                     // nothing to wait for.
                     if (!sleepIsComing_)
                         sleepDelay_ = UniqueFd(descriptor.takeFileDescriptor());
                 });
}

void SessionWatch::allowSleep() {
    if (sleepIsComing_)
        sleepDelay_.reset();
}

void SessionWatch::prepareForSleep(bool start) {
    sleepIsComing_ = start;
    if (start) {
        emit sleepComing();
        return;
    }
    takeSleepDelay();
    emit resumed();
}

void SessionWatch::lockRequested() {
    emit sessionLocked();
}

void SessionWatch::sessionPropertiesChanged(const QString& interfaceName,
                                            const QVariantMap& changed, const QStringList&) {
    const auto hint = changed.constFind(QStringLiteral("LockedHint"));
    if (interfaceName != kSessionInterface || hint == changed.cend())
        return;
    const bool wasLocked = std::exchange(lockedHint_, hint->toBool());
    if (lockedHint_ && !wasLocked)
        emit sessionLocked();
}

void SessionWatch::reportTrouble(const char* what, const QString& why) {
    if (std::exchange(troubleReported_, true))
        return;
    qCInfo(lcVexo, "session watch: %s, working without it (%s)", what, qUtf8Printable(why));
}

} // namespace vexo::platform
