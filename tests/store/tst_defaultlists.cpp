#include "GroupListSamples.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "store/DefaultLists.h"
#include "support/TestEnvironment.h"

using namespace vexo::platform;
using namespace vexo::test;

// The lists a new vault starts with, as describe() gives them; the "all"
// groups' folders are named at the test clock's time.
class DefaultListsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearSettings();
        setClockForTesting([] { return qint64(1'700'000'000'000); });
    }
    void cleanup() { setClockForTesting({}); }

    void theLocalAndNoteLists() {
        QCOMPARE(describe(defaultLocalGroupList()),
                 (QStringList{u"FILES||systemDevicName|||0|true|false|false|true"_s,
                              u"All Files|15404933449001498763-1700000000|systemDevicName|||1|"
                              "false|false|false|true"_s,
                              u"||systemDevicName|||2|false|true|false|true"_s}));
        QCOMPARE(describe(defaultNoteGroupList()),
                 (QStringList{u"SECURE NOTES||systemDevicNoteName|||0|true|false|true|false"_s,
                              u"All Notes|16563030343264475409-1700000000|systemDevicNoteName|||1|"
                              "false|false|true|false"_s,
                              u"FILES||systemDevicNoteName|||2|false|true|true|false"_s}));
    }

    // The header holds the digest of the master password (of the empty text
    // when none is set) and this computer's address.
    void aDriveListIsGuardedByTheMasterPassword() {
        for (const auto& [password, digest] :
             {std::pair{QString(), u"D41D8CD98F00B204E9800998ECF8427E"_s},
              std::pair{u"pass wörd"_s, u"504D29647770FC46E054B810D4725657"_s}}) {
            if (!password.isNull())
                Settings::setValue(keys::kSOUREPASSWORD, password);
            QCOMPARE(
                describe(defaultDriveGroupList(u"USB1"_s, u"USB1/MyVault.vlt"_s, 4)),
                (QStringList{
                    u"USB1||USB1/MyVault.vlt|%1|3c:22:fb:01:02:03|4|true|false|false|true"_s.arg(
                        digest),
                    u"All Files|15404933449001498763-1700000000|USB1/MyVault.vlt|||1|"
                    "false|false|false|true"_s,
                    u"||USB1/MyVault.vlt|||2|false|true|false|true"_s}));
        }
    }

    void namesFollowTheInterfaceLanguage() {
        Settings::setValue(keys::AppLanguage, 1);
        setLanguage();
        QCOMPARE(defaultLocalGroupList().at(1)->name, u"所有文件"_s);
        Settings::setValue(keys::AppLanguage, 0);
        setLanguage();
    }
};

VEXO_TEST_MAIN(DefaultListsTest)
#include "tst_defaultlists.moc"
