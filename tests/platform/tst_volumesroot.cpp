#include "platform/VolumesRoot.h"
#include "support/TestEnvironment.h"

using namespace vexo::platform;

class VolumesRootTest : public QObject {
    Q_OBJECT
private slots:
    void overrideIsCleanedOfTrailingSlashes() {
        const QByteArray saved = qgetenv("VEXO_VOLUMES_ROOT");
        qputenv("VEXO_VOLUMES_ROOT", "/tmp/vols//");
        QCOMPARE(volumesRoot(), QStringLiteral("/tmp/vols"));
        qputenv("VEXO_VOLUMES_ROOT", saved);
    }

    void withoutOverrideTheUsersMediaFolderServes() {
        const QByteArray saved = qgetenv("VEXO_VOLUMES_ROOT");
        qunsetenv("VEXO_VOLUMES_ROOT");
        const QString root = volumesRoot();
        QVERIFY2(root.startsWith(QStringLiteral("/run/media/")) ||
                     root.startsWith(QStringLiteral("/media/")),
                 qPrintable(root));
        qputenv("VEXO_VOLUMES_ROOT", saved);
    }

    void pathsBelowTheRootAreOnVolumes_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("onVolumes");
        QTest::addColumn<QString>("volume");
        QTest::newRow("file on a drive") << "/USB1/Docs/a.txt" << true << "USB1";
        QTest::newRow("drive itself") << "/USB1" << true << "USB1";
        QTest::newRow("root itself") << "" << false << "";
        QTest::newRow("sibling with the root as prefix") << "X/USB1/a" << false << "";
    }

    void pathsBelowTheRootAreOnVolumes() {
        QFETCH(QString, relative);
        QFETCH(bool, onVolumes);
        QFETCH(QString, volume);
        const QString path = volumesRoot() + relative;
        QCOMPARE(isOnVolumes(path), onVolumes);
        QCOMPARE(volumeNameOf(path), volume);
    }

    void localPathsAreNotOnVolumes() {
        QVERIFY(!isOnVolumes(QStringLiteral("/home/u/Docs/a.txt")));
        QCOMPARE(volumeNameOf(QStringLiteral("/home/u/Docs/a.txt")), QString());
    }

    void volumePathJoinsTheName() {
        QCOMPARE(volumePath(QStringLiteral("USB1")), volumesRoot() + QStringLiteral("/USB1"));
    }
};

VEXO_TEST_MAIN(VolumesRootTest)
#include "tst_volumesroot.moc"
