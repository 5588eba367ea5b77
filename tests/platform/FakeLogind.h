#pragma once

// A private message bus and a stand-in for logind on it, for the tests of
// the session watch and of the application's lock that follows it.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace vexo::test {

// A dbus-daemon of the test's own, ended with the object.
class PrivateBus {
public:
    PrivateBus() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--print-address"),
                       QStringLiteral("--nofork")});
        if (daemon_.waitForStarted() && daemon_.waitForReadyRead())
            address_ = QString::fromUtf8(daemon_.readLine().trimmed());
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when no bus could be started (dbus-daemon is not installed).
    QString address() const { return address_; }

    QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
};

// Answers the logind calls the watch makes, hands out inhibitors whose
// release it can see, and sends logind's signals on demand. Calls may be
// handled on the bus thread, so what they record is guarded.
class FakeLogind : public QDBusVirtualObject {
public:
    static inline const QString kService = QStringLiteral("org.freedesktop.login1");
    static inline const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
    static inline const QString kSessionPath =
        QStringLiteral("/org/freedesktop/login1/session/_37");

    explicit FakeLogind(const PrivateBus& bus)
        : connection_(bus.connect(QStringLiteral("logind"))) {
        connection_.registerVirtualObject(kManagerPath, this);
        connection_.registerService(kService);
    }
    ~FakeLogind() override {
        connection_.unregisterService(kService);
        connection_.unregisterObject(kManagerPath);
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        for (const int fd : inhibitorEnds_)
            ::close(fd);
    }

    // When set, the session is found only by the "auto" name.
    void setProcessOutsideSession(bool outside) {
        const QMutexLocker locker(&mutex_);
        outsideSession_ = outside;
    }

    QStringList calls() const {
        const QMutexLocker locker(&mutex_);
        return calls_;
    }
    QList<QVariantList> inhibitArguments() const {
        const QMutexLocker locker(&mutex_);
        return inhibitArguments_;
    }
    int inhibitorsHandedOut() const {
        const QMutexLocker locker(&mutex_);
        return int(inhibitorEnds_.size());
    }
    // True while some copy of inhibitor number index is still open.
    bool inhibitorHeld(int index) const {
        const QMutexLocker locker(&mutex_);
        pollfd watch{inhibitorEnds_.at(std::size_t(index)), POLLIN, 0};
        return ::poll(&watch, 1, 0) == 0;
    }

    void sendPrepareForSleep(bool start) {
        send(QDBusMessage::createSignal(kManagerPath,
                                        QStringLiteral("org.freedesktop.login1.Manager"),
                                        QStringLiteral("PrepareForSleep"))
             << start);
    }
    void sendLock(const QString& path = kSessionPath) {
        send(QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.login1.Session"),
                                        QStringLiteral("Lock")));
    }
    void sendPropertiesChanged(const QString& interfaceName, const QVariantMap& changed) {
        send(QDBusMessage::createSignal(kSessionPath,
                                        QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("PropertiesChanged"))
             << interfaceName << changed << QStringList());
    }

    // A signal of the test's own: it reaches a connection after every
    // signal sent before it, so a test that sees it knows those were handled.
    static inline const QString kBarrierPath = QStringLiteral("/app/vexo/test");
    static inline const QString kBarrierInterface = QStringLiteral("app.vexo.Test");
    void sendBarrier() {
        send(
            QDBusMessage::createSignal(kBarrierPath, kBarrierInterface, QStringLiteral("Barrier")));
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QMutexLocker locker(&mutex_);
        const QString member = message.member();
        calls_ << member;
        QDBusMessage reply;
        if (member == u"GetSessionByPID" && !outsideSession_) {
            reply = message.createReply(QVariant::fromValue(QDBusObjectPath(kSessionPath)));
        } else if (member == u"GetSession" && message.arguments().value(0).toString() == u"auto") {
            reply = message.createReply(QVariant::fromValue(QDBusObjectPath(kSessionPath)));
        } else if (member == u"Inhibit") {
            inhibitArguments_ << message.arguments();
            int ends[2];
            if (::pipe2(ends, O_CLOEXEC) != 0)
                return false;
            inhibitorEnds_.push_back(ends[0]);
            // The reply holds its own copy of the write end.
            reply = message.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(ends[1])));
            ::close(ends[1]);
        } else {
            reply = message.createErrorReply(QStringLiteral("org.freedesktop.login1.NoSuchSession"),
                                             QStringLiteral("no such session"));
        }
        return connection.send(reply);
    }

private:
    void send(const QDBusMessage& signal) { QVERIFY(connection_.send(signal)); }

    QDBusConnection connection_;
    mutable QMutex mutex_;
    bool outsideSession_ = false;
    QStringList calls_;
    QList<QVariantList> inhibitArguments_;
    std::vector<int> inhibitorEnds_;
};

} // namespace vexo::test
