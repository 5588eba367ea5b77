#include "platform/HardwareAddress.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace vexo::platform {
namespace {

const QString kZeroAddress = QStringLiteral("00:00:00:00:00:00");

bool isUsableAddress(const QString& address) {
    static const QRegularExpression form(QStringLiteral("^[0-9a-f]{2}(:[0-9a-f]{2}){5}$"));
    return form.match(address).hasMatch() && address != kZeroAddress;
}

QString addressOf(const QString& classNetDir, const QString& interface) {
    QFile file(classNetDir + u'/' + interface + QStringLiteral("/address"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString address = QString::fromLatin1(file.readLine(64)).trimmed().toLower();
    return isUsableAddress(address) ? address : QString();
}

// The interface of the first route whose destination is 0.0.0.0.
QString defaultRouteInterface(const QString& routeFile) {
    QFile file(routeFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    file.readLine(); // column titles
    while (!file.atEnd()) {
        const QStringList fields =
            QString::fromLatin1(file.readLine(1024)).split(u'\t', Qt::SkipEmptyParts);
        if (fields.size() > 1 && fields.at(1) == QStringLiteral("00000000"))
            return fields.at(0).trimmed();
    }
    return {};
}

} // namespace

QString hardwareAddressFrom(const QString& classNetDir, const QString& routeFile) {
    const QString routed = defaultRouteInterface(routeFile);
    if (!routed.isEmpty()) {
        if (const QString address = addressOf(classNetDir, routed); !address.isEmpty())
            return address;
    }
    const QStringList interfaces =
        QDir(classNetDir).entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& interface : interfaces) {
        if (interface == QStringLiteral("lo"))
            continue;
        if (const QString address = addressOf(classNetDir, interface); !address.isEmpty())
            return address;
    }
    return {};
}

QString hardwareAddress() {
    const QString overridden = qEnvironmentVariable("VEXO_MAC_ADDRESS");
    if (!overridden.isEmpty())
        return overridden.trimmed().toLower();
    return hardwareAddressFrom(QStringLiteral("/sys/class/net"), QStringLiteral("/proc/net/route"));
}

} // namespace vexo::platform
