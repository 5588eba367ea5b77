#pragma once

#include "platform/UniqueFd.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace vexo::platform {

// Follows the desktop session through logind (org.freedesktop.login1):
// reports the session's screen lock, a coming sleep and the resume after it.
// While it watches, it holds a logind "delay" inhibitor, so a sleep waits
// until allowSleep() (or logind's longest delay) before it starts. Every call
// on the bus is asynchronous; without a bus or logind the watch says so once
// in the log and stays silent.
class SessionWatch : public QObject {
    Q_OBJECT
public:
    explicit SessionWatch(QObject* parent = nullptr);
    ~SessionWatch() override;

    // Starts watching logind on bus (the system bus in the application).
    void start(const QDBusConnection& bus);

    // Lets a coming sleep go ahead: the inhibitor is released, to be taken
    // again at the resume. Nothing when no sleep is coming.
    void allowSleep();

    bool holdsSleepDelay() const { return sleepDelay_.valid(); }
    // The object path of the session whose lock is followed; empty until known.
    QString sessionPath() const { return sessionPath_; }

signals:
    void sessionLocked();
    void sleepComing();
    void resumed();

private slots:
    void prepareForSleep(bool start);
    void lockRequested();
    void sessionPropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                  const QStringList& invalidated);

private:
    // Asks for the session with the first of calls; the next one when it fails.
    void lookUpSession(QList<QDBusMessage> calls);
    void followSession(const QString& path);
    void takeSleepDelay();
    // Logs the first trouble only: one line says the watch works without it.
    void reportTrouble(const char* what, const QString& why);

    QDBusConnection bus_{QString()};
    QString sessionPath_;
    UniqueFd sleepDelay_;
    bool inhibitPending_ = false;
    bool sleepIsComing_ = false;
    bool lockedHint_ = false;
    bool troubleReported_ = false;
};

} // namespace vexo::platform
