#include "platform/Settings.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSettings>

#include <thread>
#include <vector>

using namespace vexo::platform;
using namespace Qt::StringLiterals;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vexo::test::clearSettings(); }

    // The file holds the master password: only its owner may read it.
    void valuesRoundTripWithTheirTypesInAnOwnerOnlyFile() {
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), QString());
        QCOMPARE(Settings::value(keys::KUPNAMES), QStringList());
        QCOMPARE(Settings::value(keys::FirstRun), false);
        QCOMPARE(Settings::value(keys::AppLanguage), 0);
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 0.0);
        QVERIFY(!Settings::contains(keys::kSOUREPASSWORD));
        Settings::setValue(keys::kSOUREPASSWORD, u"  Pass wörd 密码 "_s);
        Settings::setValue(keys::FirstRun, true);
        Settings::setValue(keys::AppLanguage, 3);
        Settings::setValue(keys::mainWindowSizeWidth, 812.5);
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), u"  Pass wörd 密码 "_s);
        QCOMPARE(Settings::value(keys::FirstRun), true);
        QCOMPARE(Settings::value(keys::AppLanguage), 3);
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 812.5);
        QCOMPARE(vexo::test::unixMode(Settings::fileName()), 0600);
        for (const QStringList& names : {QStringList{u"USB1/A.vlt"_s, u"USB2/B.vlt"_s},
                                         QStringList{u"USB1/A.vlt"_s}, QStringList()}) {
            Settings::setValue(keys::KUPNAMES, names);
            QCOMPARE(Settings::value(keys::KUPNAMES), names);
        }
        Settings::remove(keys::kSOUREPASSWORD);
        QVERIFY(!Settings::contains(keys::kSOUREPASSWORD));
    }

    void keysAreStoredUnderTheirOwnNames() {
        Settings::setValue(keys::rememberPasswordCopy, u"x"_s);
        QSettings raw(Settings::fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(u"remmenberBtn.state"_s).toString(), u"x"_s);
    }

    // Reads are cached while the file is unchanged; another program (the
    // command-line tool) writing the file is seen at the next read.
    void aChangeMadeByAnotherProgramIsRead() {
        Settings::setValue(keys::kSOUREPASSWORD, u"old"_s);
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), u"old"_s);
        vexo::test::writeFile(Settings::fileName(), "[General]\nkSOUREPASSWORD=newer\n");
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), u"newer"_s);
        QFile::remove(Settings::fileName());
        QVERIFY(!Settings::contains(keys::kSOUREPASSWORD));
    }

    void workerThreadsReadAndWriteSafely() {
        {
            std::vector<std::jthread> workers;
            for (int t = 0; t < 4; ++t)
                workers.emplace_back([t] {
                    for (int i = 0; i < 50; ++i) {
                        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, t);
                        (void)Settings::value(keys::kSOUREPASSWORD);
                    }
                });
        }
        const int last = Settings::value(keys::kLOCKQUILLANWHENIDLE);
        QVERIFY(last >= 0 && last < 4);
    }
};

VEXO_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
