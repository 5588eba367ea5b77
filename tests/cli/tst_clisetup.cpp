#include "CliRunner.h"
#include "platform/UniqueFd.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>

using namespace vexo;
using test::CliResult;
using test::inputLines;
using test::word;

namespace {

// Holds the vault's lock the way another program that has it open does.
class HeldLock {
public:
    explicit HeldLock(const QString& vaultRoot)
        : fd_(::open(QFile::encodeName(vaultRoot + QStringLiteral("/.vault-lock")).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {}

    bool take() { return fd_.valid() && ::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0; }

private:
    platform::UniqueFd fd_;
};

} // namespace

// Setting the vault up, the master password and everything that stops a
// command before it reaches the vault.
class CliSetupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { cli_ = std::make_unique<test::CliRunner>(); }

    void helpNeedsNoVaultNorPassword_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("--help") << QStringList{word("--help")} << word("passwd");
        QTest::newRow("help") << QStringList{word("help")} << word("unhide");
        QTest::newRow("list --help") << QStringList{word("list"), word("--help")} << word("--sort");
        QTest::newRow("init --help") << QStringList{word("init"), word("--help")} << word("--hint");
        QTest::newRow("add --help")
            << QStringList{word("add"), word("--help")} << word("--vault-name");
    }

    void helpNeedsNoVaultNorPassword() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        const CliResult result = cli_->run(arguments);
        VEXO_EXPECT_EXIT(result, 0);
        QVERIFY2(result.outText().contains(mentions), result.out.constData());
    }

    void wrongUsageEndsWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList();
        QTest::newRow("unknown command") << QStringList{word("frobnicate")};
        QTest::newRow("unknown option") << QStringList{word("list"), word("--colour")};
        QTest::newRow("missing argument") << QStringList{word("hide")};
        QTest::newRow("missing group name")
            << QStringList{word("group"), word("rename"), word("1")};
        QTest::newRow("extra argument") << QStringList{word("status"), word("now")};
        QTest::newRow("bad number") << QStringList{word("group"), word("delete"), word("two")};
        QTest::newRow("bad group option") << QStringList{word("list"), word("--group"), word("1x")};
        QTest::newRow("unknown sort") << QStringList{word("list"), word("--sort"), word("colour")};
        QTest::newRow("option without value") << QStringList{word("list"), word("--search")};
        QTest::newRow("group without action") << QStringList{word("group")};
        QTest::newRow("empty group name") << QStringList{word("group"), word("add"), QString()};
        QTest::newRow("note group listed") << QStringList{word("list"), word("--group"), word("2")};
    }

    void wrongUsageEndsWithTwo() {
        QFETCH(QStringList, arguments);
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        const auto before = test::snapshot(cli_->vaultRoot());
        const CliResult result = cli_->runUnlocked(arguments);
        VEXO_EXPECT_EXIT(result, 2);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(test::snapshot(cli_->vaultRoot()), before);
    }

    void aPasswordNeedsTheTerminalOrStdin() {
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        const CliResult result = cli_->run({word("list")}, inputLines({word("pw")}));
        VEXO_EXPECT_EXIT(result, 2);
        QVERIFY(!result.err.isEmpty());
    }

    void initSetsTheVaultUp_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("root");
        QTest::newRow("suffix added") << word("Secret") << word("Secret.vlt");
        QTest::newRow("suffix kept") << word("Secret.vlt") << word("Secret.vlt");
        QTest::newRow("parents made") << word("a/b/Secret") << word("a/b/Secret.vlt");
        QTest::newRow("absolute") << word("/abs/Secret") << word("abs/Secret.vlt");
    }

    void initSetsTheVaultUp() {
        QFETCH(QString, dir);
        QFETCH(QString, root);
        // Relative folders are taken from the current one; "/abs" stands
        // for an absolute path below the test's home.
        if (dir.startsWith(u'/'))
            dir.prepend(cli_->home());
        root = cli_->home() + u'/' + root;
        const CliResult result = cli_->run(
            {word("--password-stdin"), word("init"), dir, word("--hint"), word("the usual")},
            inputLines({word("s3cret"), word("s3cret")}));
        VEXO_EXPECT_EXIT(result, 0);
        QVERIFY(result.outText().contains(QStringLiteral("Vault created at ") + root));
        QCOMPARE(cli_->setting(word("kRootDirKey")).toString(), root);
        QCOMPARE(cli_->setting(word("kSOUREPASSWORD")).toString(), word("s3cret"));
        QCOMPARE(cli_->setting(word("kPASSWORDHINTCONTENT")).toString(), word("the usual"));
        QVERIFY(cli_->setting(word("FirstRun")).toBool());
        QCOMPARE(cli_->setting(word("mainWindowSize.width")).toDouble(), 800.0);
        QCOMPARE(cli_->setting(word("mainWindowSize.height")).toDouble(), 500.0);
        QCOMPARE(test::unixMode(root), 0700);
        QCOMPARE(test::unixMode(cli_->settingsFile()), 0600);
        for (const char* entry : {"Notes", "GroupDirlist.plist", "GroupNoteslist.plist"})
            QVERIFY2(QFileInfo::exists(root + u'/' + word(entry)), entry);
    }

    void initReusesAnExistingFolderAndStoresNoHintUnasked() {
        test::writeFile(cli_->home() + QStringLiteral("/Private.vlt/kept.txt"), "mine");
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        QCOMPARE(test::readFile(cli_->vaultRoot() + QStringLiteral("/kept.txt")),
                 QByteArray("mine"));
        QVERIFY(!cli_->setting(word("kPASSWORDHINTCONTENT")).isValid());
    }

    void initRefuses_data() {
        QTest::addColumn<bool>("setUpBefore");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QStringList>("answers");
        const QStringList same{word("pw"), word("pw")};
        QTest::newRow("already set up") << true << word("Other") << same;
        QTest::newRow("empty password") << false << word("Other") << QStringList{{}, {}};
        QTest::newRow("passwords differ")
            << false << word("Other") << QStringList{word("pw"), word("pW")};
        QTest::newRow("folder impossible") << false << word("blocker/Other") << same;
    }

    void initRefuses() {
        QFETCH(bool, setUpBefore);
        QFETCH(QString, dir);
        QFETCH(QStringList, answers);
        if (setUpBefore)
            QCOMPARE(cli_->initVault(word("first")).exitCode, 0);
        test::writeFile(cli_->home() + QStringLiteral("/blocker"), "a file, not a folder");
        const QByteArray settingsBefore = test::readFile(cli_->settingsFile());
        const CliResult result =
            cli_->run({word("--password-stdin"), word("init"), dir}, inputLines(answers));
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(test::readFile(cli_->settingsFile()), settingsBefore);
        QVERIFY(!QFileInfo::exists(cli_->home() + QStringLiteral("/Other.vlt")));
    }

    void everyCommandNeedsAVaultFirst() {
        const CliResult result =
            cli_->run({word("--password-stdin"), word("status")}, inputLines({word("pw")}));
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY2(result.errText().contains(QStringLiteral("vexo-cli init")),
                 result.err.constData());
    }

    void aWrongOrMissingPasswordWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        const QByteArray wrong = inputLines({word("PW")});
        QTest::newRow("list") << QStringList{word("list")} << wrong;
        QTest::newRow("add") << QStringList{word("add"), word("loose.txt")} << wrong;
        QTest::newRow("hide") << QStringList{word("hide"), word("1")} << wrong;
        QTest::newRow("group add") << QStringList{word("group"), word("add"), word("G")} << wrong;
        QTest::newRow("status") << QStringList{word("status")} << wrong;
        QTest::newRow("no password") << QStringList{word("list")} << QByteArray();
        QTest::newRow("a space is part of it")
            << QStringList{word("list")} << inputLines({word("pw ")});
    }

    void aWrongOrMissingPasswordWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        test::writeFile(cli_->home() + QStringLiteral("/loose.txt"), "left alone");
        const auto before = test::snapshot(cli_->home());
        const QByteArray settingsBefore = test::readFile(cli_->settingsFile());
        const CliResult result =
            cli_->run(QStringList{word("--password-stdin")} + arguments, input);
        VEXO_EXPECT_EXIT(result, 3);
        if (!input.isEmpty())
            QVERIFY2(result.errText().contains(QStringLiteral("Wrong password.")),
                     result.err.constData());
        QCOMPARE(test::snapshot(cli_->home()), before);
        QCOMPARE(test::readFile(cli_->settingsFile()), settingsBefore);
    }

    void thePasswordOptionMayFollowTheCommandAndALineMayEndInCrLf() {
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        VEXO_EXPECT_EXIT(cli_->run({word("status"), word("--password-stdin")}, "pw\r\n"), 0);
    }

    void aBusyVaultIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("list") << QStringList{word("list")};
        QTest::newRow("unhide") << QStringList{word("unhide"), word("1")};
        QTest::newRow("add") << QStringList{word("add"), word("later.txt")};
        QTest::newRow("group add") << QStringList{word("group"), word("add"), word("G")};
        QTest::newRow("verify") << QStringList{word("verify")};
    }

    void aBusyVaultIsRefused() {
        QFETCH(QStringList, arguments);
        HeldLock lock = vaultWithOneHiddenItemHeldElsewhere();
        const auto before = test::snapshot(cli_->home());
        const CliResult result = cli_->runUnlocked(arguments);
        VEXO_EXPECT_EXIT(result, 4);
        QVERIFY2(result.errText().contains(QStringLiteral("another program"), Qt::CaseInsensitive),
                 result.err.constData());
        QCOMPARE(test::snapshot(cli_->home()), before);
    }

    void statusAnswersForABusyVault() {
        HeldLock lock = vaultWithOneHiddenItemHeldElsewhere();
        const CliResult status = cli_->runUnlocked({word("status"), word("--json")});
        VEXO_EXPECT_EXIT(status, 0);
        const QJsonObject json = status.json();
        QCOMPARE(json.value(word("openElsewhere")).toBool(false), true);
        QCOMPARE(json.value(word("root")).toString(), cli_->vaultRoot());
        QCOMPARE(json.value(word("items")).toInt(), 1);
        QCOMPARE(json.value(word("hidden")).toInt(), 1);
        QCOMPARE(json.value(word("visible")).toInt(), 0);
        QCOMPARE(json.value(word("driveVaults")).toArray(), QJsonArray());
    }

    void passwdChangesPasswordAndHint() {
        QCOMPARE(cli_->initVault(word("old")).exitCode, 0);
        const CliResult result = cli_->run(
            {word("--password-stdin"), word("passwd")},
            inputLines({word("old"), word("new pass"), word("new pass"), word("a hint")}));
        VEXO_EXPECT_EXIT(result, 0);
        QVERIFY(result.outText().contains(QStringLiteral("Password changed.")));
        QCOMPARE(cli_->setting(word("kSOUREPASSWORD")).toString(), word("new pass"));
        QCOMPARE(cli_->setting(word("kPASSWORDHINTCONTENT")).toString(), word("a hint"));
        VEXO_EXPECT_EXIT(
            cli_->run({word("--password-stdin"), word("status")}, inputLines({word("old")})), 3);
        VEXO_EXPECT_EXIT(
            cli_->run({word("--password-stdin"), word("status")}, inputLines({word("new pass")})),
            0);
    }

    void passwdRefuses_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("wrong old")
            << QStringList{word("olD"), word("n"), word("n"), word("h")} << 3;
        QTest::newRow("empty new") << QStringList{word("old"), {}, {}, word("h")} << 1;
        QTest::newRow("new ones differ")
            << QStringList{word("old"), word("n1"), word("n2"), word("h")} << 1;
        QTest::newRow("empty hint") << QStringList{word("old"), word("n"), word("n"), {}} << 1;
    }

    void passwdRefuses() {
        QFETCH(QStringList, answers);
        QFETCH(int, exitCode);
        QCOMPARE(cli_->initVault(word("old")).exitCode, 0);
        const QByteArray settingsBefore = test::readFile(cli_->settingsFile());
        const CliResult result =
            cli_->run({word("--password-stdin"), word("passwd")}, inputLines(answers));
        VEXO_EXPECT_EXIT(result, exitCode);
        QCOMPARE(test::readFile(cli_->settingsFile()), settingsBefore);
    }

private:
    HeldLock vaultWithOneHiddenItemHeldElsewhere() {
        [&] { QCOMPARE(cli_->initVault(word("pw")).exitCode, 0); }();
        const QString file = test::placeFile(cli_->home(), word("doc.txt"), "content");
        [&] { VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), file}), 0); }();
        test::writeFile(cli_->home() + QStringLiteral("/later.txt"), "not yet");
        HeldLock lock(cli_->vaultRoot());
        [&] { QVERIFY(lock.take()); }();
        return lock;
    }

    std::unique_ptr<test::CliRunner> cli_;
};

VEXO_TEST_MAIN(CliSetupTest)
#include "tst_clisetup.moc"
