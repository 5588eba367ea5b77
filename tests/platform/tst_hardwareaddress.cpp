#include "platform/HardwareAddress.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

using namespace vexo::platform;
using vexo::test::writeFile;

namespace {

const QByteArray kRouteTitles =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

void addInterface(const QString& classNet, const QString& name, const QByteArray& address) {
    writeFile(classNet + u'/' + name + QStringLiteral("/address"), address + '\n');
}

} // namespace

class HardwareAddressTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void theDefaultRouteInterfaceWins() {
        const QString classNet = dir_.path() + QStringLiteral("/route-wins");
        addInterface(classNet, QStringLiteral("eth0"), "aa:bb:cc:00:00:01");
        addInterface(classNet, QStringLiteral("wlan0"), "AA:BB:CC:00:00:02");
        const QString route = dir_.path() + QStringLiteral("/route1");
        writeFile(route, kRouteTitles +
                             "wlan0\t0000A8C0\t00000000\t0001\t0\t0\t600\t00FFFFFF\t0\t0\t0\n"
                             "wlan0\t00000000\t0100A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n");
        QCOMPARE(hardwareAddressFrom(classNet, route), QStringLiteral("aa:bb:cc:00:00:02"));
    }

    void withoutRouteTheFirstRealInterfaceServes() {
        const QString classNet = dir_.path() + QStringLiteral("/no-route");
        addInterface(classNet, QStringLiteral("lo"), "00:00:00:00:00:00");
        addInterface(classNet, QStringLiteral("dummy0"), "00:00:00:00:00:00");
        addInterface(classNet, QStringLiteral("eth1"), "02:42:ac:11:00:02");
        addInterface(classNet, QStringLiteral("tun0"), "");
        QCOMPARE(hardwareAddressFrom(classNet, dir_.path() + QStringLiteral("/missing")),
                 QStringLiteral("02:42:ac:11:00:02"));
    }

    void aRoutedInterfaceWithoutAddressFallsBack() {
        const QString classNet = dir_.path() + QStringLiteral("/tunnel");
        addInterface(classNet, QStringLiteral("tun0"), "");
        addInterface(classNet, QStringLiteral("eth0"), "de:ad:be:ef:00:01");
        const QString route = dir_.path() + QStringLiteral("/route2");
        writeFile(route,
                  kRouteTitles + "tun0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n");
        QCOMPARE(hardwareAddressFrom(classNet, route), QStringLiteral("de:ad:be:ef:00:01"));
    }

    void noInterfaceGivesEmptyText() {
        QCOMPARE(hardwareAddressFrom(dir_.path() + QStringLiteral("/nothing"),
                                     dir_.path() + QStringLiteral("/nothing")),
                 QString());
    }

    void theEnvironmentOverrides() { QCOMPARE(hardwareAddress(), vexo::test::kTestMacAddress); }

    void theRealComputerGivesTheUsualForm() {
        const QString address = hardwareAddressFrom(QStringLiteral("/sys/class/net"),
                                                    QStringLiteral("/proc/net/route"));
        if (address.isEmpty())
            QSKIP("this computer has no network interface with a hardware address");
        QCOMPARE(address.size(), 17);
        QCOMPARE(address, address.toLower());
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(HardwareAddressTest)
#include "tst_hardwareaddress.moc"
