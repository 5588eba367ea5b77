#include "platform/HardwareAddress.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

using namespace vexo::platform;
using namespace Qt::StringLiterals;

namespace {

// A /proc/net/route line: interface, destination, gateway, flags and the rest.
QByteArray route(const QByteArray& interface, const QByteArray& destination) {
    return interface + '\t' + destination + "\t0100A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n";
}

} // namespace

class HardwareAddressTest : public QObject {
    Q_OBJECT
private slots:
    void theBestInterfaceGivesTheAddress_data() {
        QTest::addColumn<QStringList>("interfaces"); // name=address, in /sys/class/net
        QTest::addColumn<QByteArray>("routes");
        QTest::addColumn<QString>("address");
        QTest::newRow("the default route's interface")
            << QStringList{u"eth0=aa:bb:cc:00:00:01"_s, u"wlan0=AA:BB:CC:00:00:02"_s}
            << route("eth0", "0000A8C0") + route("wlan0", "00000000") << u"aa:bb:cc:00:00:02"_s;
        QTest::newRow("without route the first real interface")
            << QStringList{u"lo=00:00:00:00:00:00"_s, u"dummy0=00:00:00:00:00:00"_s,
                           u"eth1=02:42:ac:11:00:02"_s, u"tun0="_s}
            << QByteArray() << u"02:42:ac:11:00:02"_s;
        QTest::newRow("a routed interface without address falls back")
            << QStringList{u"tun0="_s, u"eth0=de:ad:be:ef:00:01"_s} << route("tun0", "00000000")
            << u"de:ad:be:ef:00:01"_s;
        QTest::newRow("no interface") << QStringList() << QByteArray() << QString();
    }

    void theBestInterfaceGivesTheAddress() {
        QFETCH(QStringList, interfaces);
        QFETCH(QByteArray, routes);
        QFETCH(QString, address);
        const QTemporaryDir dir;
        for (const QString& interface : interfaces)
            vexo::test::writeFile(dir.filePath(interface.section(u'=', 0, 0) + u"/address"_s),
                                  interface.section(u'=', 1).toLatin1() + '\n');
        const QString routeFile = dir.filePath(u"route"_s);
        if (!routes.isEmpty())
            vexo::test::writeFile(routeFile,
                                  "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\n" + routes);
        QCOMPARE(hardwareAddressFrom(dir.path(), routeFile), address);
    }

    void theRealComputerGivesTheUsualForm() {
        const QString address = hardwareAddressFrom(u"/sys/class/net"_s, u"/proc/net/route"_s);
        if (address.isEmpty())
            QSKIP("this computer has no network interface with a hardware address");
        QCOMPARE(address.size(), 17);
        QCOMPARE(address, address.toLower());
    }
};

VEXO_TEST_MAIN(HardwareAddressTest)
#include "tst_hardwareaddress.moc"
