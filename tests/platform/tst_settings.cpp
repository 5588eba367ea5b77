#include "platform/Settings.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSettings>

#include <thread>
#include <vector>

using namespace vexo::platform;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vexo::test::clearSettings(); }

    void absentEntriesReadAsEmptyZeroOrFalse() {
        QCOMPARE(Settings::value(keys::kRootDirKey), QString());
        QCOMPARE(Settings::value(keys::KUPNAMES), QStringList());
        QCOMPARE(Settings::value(keys::FirstRun), false);
        QCOMPARE(Settings::value(keys::kLOCKQUILLANWHENIDLE), 0);
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 0.0);
        QVERIFY(!Settings::contains(keys::kRootDirKey));
    }

    void valuesRoundTripWithTheirTypes() {
        Settings::setValue(keys::kSOUREPASSWORD, QStringLiteral("  Pass wörd 密码 "));
        Settings::setValue(keys::KUPNAMES,
                           QStringList{QStringLiteral("USB1/A.vlt"), QStringLiteral("USB2/B.vlt")});
        Settings::setValue(keys::FirstRun, true);
        Settings::setValue(keys::AppLanguage, 3);
        Settings::setValue(keys::mainWindowSizeWidth, 812.5);

        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), QStringLiteral("  Pass wörd 密码 "));
        QCOMPARE(Settings::value(keys::KUPNAMES),
                 (QStringList{QStringLiteral("USB1/A.vlt"), QStringLiteral("USB2/B.vlt")}));
        QCOMPARE(Settings::value(keys::FirstRun), true);
        QCOMPARE(Settings::value(keys::AppLanguage), 3);
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 812.5);
    }

    void listsOfOneAndOfNoEntryRoundTrip() {
        Settings::setValue(keys::KUPNAMES, QStringList{QStringLiteral("USB1/A.vlt")});
        QCOMPARE(Settings::value(keys::KUPNAMES), QStringList{QStringLiteral("USB1/A.vlt")});
        Settings::setValue(keys::KUPNAMES, QStringList());
        QCOMPARE(Settings::value(keys::KUPNAMES), QStringList());
    }

    void keysAreStoredUnderTheirOwnNames() {
        Settings::setValue(keys::rememberPasswordCopy, QStringLiteral("x"));
        QSettings raw(Settings::fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("remmenberBtn.state")).toString(), QStringLiteral("x"));
    }

    // Reads are kept while the file is unchanged; another program (the
    // command-line tool) writing the file is seen at the next read.
    void aChangeMadeByAnotherProgramIsRead() {
        Settings::setValue(keys::kSOUREPASSWORD, QStringLiteral("old"));
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), QStringLiteral("old"));
        vexo::test::writeFile(Settings::fileName(), "[General]\nkSOUREPASSWORD=newer\n");
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), QStringLiteral("newer"));
        QFile::remove(Settings::fileName());
        QVERIFY(!Settings::contains(keys::kSOUREPASSWORD));
    }

    void removeMakesAnEntryAbsent() {
        Settings::setValue(keys::kPASSWORDHINTCONTENT, QStringLiteral("hint"));
        Settings::remove(keys::kPASSWORDHINTCONTENT);
        QVERIFY(!Settings::contains(keys::kPASSWORDHINTCONTENT));
    }

    void theFileIsReadableByItsOwnerOnly() {
        Settings::setValue(keys::kSOUREPASSWORD, QStringLiteral("secret"));
        QCOMPARE(vexo::test::unixMode(Settings::fileName()), 0600);
    }

    void workerThreadsReadAndWriteSafely() {
        std::vector<std::thread> workers;
        for (int t = 0; t < 4; ++t) {
            workers.emplace_back([t] {
                for (int i = 0; i < 50; ++i) {
                    Settings::setValue(keys::kLOCKQUILLANWHENIDLE, t);
                    (void)Settings::value(keys::kSOUREPASSWORD);
                }
            });
        }
        for (auto& worker : workers)
            worker.join();
        const int last = Settings::value(keys::kLOCKQUILLANWHENIDLE);
        QVERIFY(last >= 0 && last < 4);
    }
};

VEXO_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
