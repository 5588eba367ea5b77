#include "ScriptedPrompt.h"
#include "access/PasswordStore.h"
#include "platform/Settings.h"
#include "platform/UniqueFd.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"
#include "vault/FirstRun.h"
#include "vault/Reconcile.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>

using namespace vexo;
namespace keys = platform::keys;
using platform::Settings;

class FirstRunTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::clearSettings(); }

    void theVaultFolderEndsInVlt_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("root");
        QTest::newRow("plain name") << "/home/a/My Vault"
                                    << "/home/a/My Vault.vlt";
        QTest::newRow("already .vlt") << "/home/a/My Vault.vlt"
                                      << "/home/a/My Vault.vlt";
        QTest::newRow("other extension") << "/home/a/box.zip"
                                         << "/home/a/box.zip.vlt";
    }
    void theVaultFolderEndsInVlt() {
        QFETCH(QString, chosen);
        QFETCH(QString, root);
        QCOMPARE(vault::vaultRootForChoice(chosen), root);
    }

    void aNewFolderIsMadeWithItsParentsAndAnOldOneReused() {
        test::ScriptedPrompt prompt;
        const QString root = test::scratchRoot() + QStringLiteral("/made/deeper/V.vlt");
        QVERIFY(vault::createVaultRoot(root, prompt));
        QVERIFY(QFileInfo(root).isDir());
        test::writeFile(root + QStringLiteral("/kept.txt"), "kept");
        QVERIFY(vault::createVaultRoot(root, prompt));
        QCOMPARE(test::readFile(root + QStringLiteral("/kept.txt")), QByteArray("kept"));
        QVERIFY(prompt.alerts.isEmpty());
    }

    void aPlaceThatCannotHoldTheFolderIsTold() {
        test::ScriptedPrompt prompt;
        const QString file = test::scratchRoot() + QStringLiteral("/a-file.vlt");
        test::writeFile(file, "not a folder");
        QVERIFY(!vault::createVaultRoot(file, prompt));
        QVERIFY(!vault::createVaultRoot(file + QStringLiteral("/below.vlt"), prompt));
        QCOMPARE(prompt.alertKeys(),
                 QStringList({QStringLiteral("NTFErrorTitle"), QStringLiteral("NTFErrorTitle")}));
        for (const auto& alert : prompt.alerts)
            QVERIFY2(alert.informativeText.startsWith(file), qPrintable(alert.informativeText));
        QCOMPARE(test::readFile(file), QByteArray("not a folder"));
    }

    void theFinishedFirstRunIsRecorded() {
        vault::storeFirstRun(QStringLiteral("/v.vlt"), QStringLiteral("pw"), QString());
        QCOMPARE(Settings::value(keys::kRootDirKey), QStringLiteral("/v.vlt"));
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 800.0);
        QCOMPARE(Settings::value(keys::mainWindowSizeHeight), 500.0);
        QVERIFY(!Settings::contains(keys::kPASSWORDHINTCONTENT));
        QVERIFY(access::hasFinishedFirstRun());
        QVERIFY(access::matchesStoredPassword(QStringLiteral("pw")));

        vault::storeFirstRun(QStringLiteral("/v.vlt"), QStringLiteral("pw"), QStringLiteral("h"));
        QCOMPARE(access::passwordHint(), QStringLiteral("h"));
    }

    void anotherProcessHoldingTheVaultIsSeenWithoutTakingIt() {
        const QString root = test::scratchRoot() + QStringLiteral("/probe.vlt");
        QVERIFY(QDir().mkpath(root));
        QVERIFY(!vault::vaultOpenElsewhere(root)); // no lock file yet
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/.vault-lock")));

        platform::UniqueFd held;
        QCOMPARE(vault::openSessionOf(root, held), vault::SessionStart::Fresh);
        QVERIFY(vault::vaultOpenElsewhere(root));
        held = platform::UniqueFd();
        QVERIFY(!vault::vaultOpenElsewhere(root));

        // The probe took nothing: a session opens right after it.
        platform::UniqueFd again;
        QVERIFY(vault::openSessionOf(root, again) != vault::SessionStart::InUse);
    }
};

VEXO_TEST_MAIN(FirstRunTest)
#include "tst_firstrun.moc"
