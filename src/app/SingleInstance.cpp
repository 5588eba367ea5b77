#include "app/SingleInstance.h"

#include "platform/Log.h"
#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QStandardPaths>

namespace vexo::app {
namespace {

constexpr int kAnswerWaitMs = 1000;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
}

QString SingleInstance::nameForThisUser() {
    const QByteArray digest =
        QCryptographicHash::hash(platform::Settings::fileName().toUtf8(), QCryptographicHash::Sha1);
    // The user's runtime folder is theirs alone, so nobody else can answer
    // in this instance's place.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/vexo-") + QString::fromLatin1(digest.toHex().left(16));
}

bool SingleInstance::claim() {
    if (askRunningInstanceToRaise())
        return false;
    // Nobody answered: a channel left by an instance that crashed is stale.
    QLocalServer::removeServer(name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name_))
        qCWarning(lcVexo, "single instance: cannot listen on %s: %s", qUtf8Printable(name_),
                  qUtf8Printable(server_.errorString()));
    return true;
}

bool SingleInstance::askRunningInstanceToRaise() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return true;
}

} // namespace vexo::app
