#include "CliRunner.h"
#include "platform/UniqueFd.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>

using namespace vexo;
using namespace Qt::StringLiterals;
using test::CliResult;
using test::words;

namespace {

// Takes the vault's lock the way another program that has it open does;
// invalid when that fails.
platform::UniqueFd lockHeldElsewhere(const QString& vaultRoot) {
    platform::UniqueFd fd(::open(QFile::encodeName(vaultRoot + u"/.vault-lock"_s).constData(),
                                 O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    return fd.valid() && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 ? std::move(fd)
                                                                   : platform::UniqueFd();
}

} // namespace

// Setting the vault up, the master password and everything that stops a
// command before it reaches the vault.
class CliSetupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { cli_ = std::make_unique<test::CliRunner>(); }

    void withoutAVaultOnlyHelpAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("--help") << words("--help") << 0 << u"passwd"_s;
        QTest::newRow("help") << words("help") << 0 << u"unhide"_s;
        QTest::newRow("list --help") << words("list --help") << 0 << u"--sort"_s;
        QTest::newRow("init --help") << words("init --help") << 0 << u"--hint"_s;
        QTest::newRow("add --help") << words("add --help") << 0 << u"--vault-name"_s;
        QTest::newRow("status") << words("--password-stdin status") << 1 << u"vexo-cli init"_s;
    }

    void withoutAVaultOnlyHelpAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, mentions);
        const CliResult result = cli_->run(arguments, "pw\n");
        VEXO_EXPECT_EXIT(result, exitCode);
        QVERIFY2(QString::fromUtf8(result.out + result.err).contains(mentions),
                 result.transcript().constData());
    }

    // Wrong usage ends with 2, a wrong or missing password with 3 and a refused
    // init or passwd with 1.
    void aRefusedCommandWritesNothing_data() {
        QTest::addColumn<bool>("setUp");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        const auto usage = [](const char* name, const QStringList& arguments) {
            QTest::newRow(name) << true << words("--password-stdin") + arguments
                                << QByteArray("pw\n") << 2 << QString();
        };
        usage("no command", {});
        usage("unknown command", words("frobnicate"));
        usage("unknown option", words("list --colour"));
        usage("missing argument", words("hide"));
        usage("missing group name", words("group rename 1"));
        usage("extra argument", words("status now"));
        usage("bad number", words("group delete two"));
        usage("bad group option", words("list --group 1x"));
        usage("unknown sort", words("list --sort colour"));
        usage("option without value", words("list --search"));
        usage("group without action", words("group"));
        usage("empty group name", words("group add") << QString());
        usage("note group listed", words("list --group 2"));
        usage("add to a group that is no number", words("add --group x loose.txt"));
        // Without --password-stdin the password needs a terminal, and there is none.
        QTest::newRow("password unasked")
            << true << words("list") << QByteArray("pw\n") << 2 << QString();
        const auto wrong = [](const char* name, const char* line, const char* input = "PW\n") {
            QTest::newRow(name) << true << words("--password-stdin") + words(line)
                                << QByteArray(input) << 3 << u"Wrong password."_s;
        };
        wrong("list", "list");
        wrong("add", "add loose.txt");
        wrong("hide", "hide 1");
        wrong("group add", "group add G");
        wrong("status", "status");
        wrong("a space is part of it", "list", "pw \n");
        const auto refused = [](const char* name, bool setUp, const char* line, const char* input,
                                int exitCode) {
            QTest::newRow(name) << setUp << words("--password-stdin") + words(line)
                                << QByteArray(input) << exitCode << QString();
        };
        refused("no password", true, "list", "", 3);
        refused("init again", true, "init Other", "pw\npw\n", 1);
        refused("init empty password", false, "init Other", "\n\n", 1);
        refused("init passwords differ", false, "init Other", "pw\npW\n", 1);
        refused("init folder impossible", false, "init blocker/Other", "pw\npw\n", 1);
        refused("passwd wrong old", true, "passwd", "PW\nn\nn\nh\n", 3);
        refused("passwd empty new", true, "passwd", "pw\n\n\nh\n", 1);
        refused("passwd new ones differ", true, "passwd", "pw\nn1\nn2\nh\n", 1);
        refused("passwd empty hint", true, "passwd", "pw\nn\nn\n\n", 1);
    }

    void aRefusedCommandWritesNothing() {
        QFETCH(bool, setUp);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        if (setUp)
            QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
        test::writeFile(cli_->home() + u"/loose.txt"_s, "left alone");
        test::writeFile(cli_->home() + u"/blocker"_s, "a file, not a folder");
        const auto before = test::snapshot(cli_->scratch());
        const CliResult result = cli_->run(arguments, input);
        VEXO_EXPECT_EXIT(result, exitCode);
        QVERIFY2(!result.err.isEmpty() && result.errText().contains(says), result.err.constData());
        QCOMPARE(test::snapshot(cli_->scratch()), before);
    }

    // A vault folder that is gone (its drive not connected) is never made
    // again empty, which would pass an empty vault off as the user's.
    void aMissingVaultFolderIsNotMadeAgain() {
        QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
        QVERIFY(QDir(cli_->vaultRoot()).removeRecursively());
        for (const char* line : {"list", "status", "verify", "add loose.txt"}) {
            const CliResult result = cli_->run(words("--password-stdin") + words(line), "pw\n");
            VEXO_EXPECT_EXIT(result, 1);
            QVERIFY2(result.errText().contains(u"is not there"_s), result.err.constData());
        }
        QVERIFY(!QFileInfo::exists(cli_->vaultRoot()));
    }

    void initSetsTheVaultUp_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("root");
        QTest::newRow("suffix added") << u"Secret"_s << u"Secret.vlt"_s;
        QTest::newRow("suffix kept") << u"Secret.vlt"_s << u"Secret.vlt"_s;
        QTest::newRow("parents made") << u"a/b/Secret"_s << u"a/b/Secret.vlt"_s;
        QTest::newRow("absolute") << u"/abs/Secret"_s << u"abs/Secret.vlt"_s;
    }

    void initSetsTheVaultUp() {
        QFETCH(QString, dir);
        QFETCH(QString, root);
        // Relative folders are taken from the current one; "/abs" stands
        // for an absolute path below the test's home.
        if (dir.startsWith(u'/'))
            dir.prepend(cli_->home());
        root = cli_->home() + u'/' + root;
        const CliResult result =
            cli_->run(words("--password-stdin init") << dir << u"--hint"_s << u"the usual"_s,
                      "s3cret\ns3cret\n");
        VEXO_EXPECT_EXIT(result, 0);
        QVERIFY(result.outText().contains(u"Vault created at "_s + root));
        QCOMPARE(cli_->setting(u"kRootDirKey"_s).toString(), root);
        QCOMPARE(cli_->setting(u"kSOUREPASSWORD"_s).toString(), u"s3cret"_s);
        QCOMPARE(cli_->setting(u"kPASSWORDHINTCONTENT"_s).toString(), u"the usual"_s);
        QVERIFY(cli_->setting(u"FirstRun"_s).toBool());
        QCOMPARE(cli_->setting(u"mainWindowSize.width"_s).toDouble(), 800.0);
        QCOMPARE(cli_->setting(u"mainWindowSize.height"_s).toDouble(), 500.0);
        QCOMPARE(test::unixMode(root), 0700);
        QCOMPARE(test::unixMode(cli_->settingsFile()), 0600);
        for (const char* entry : {"Notes", "GroupDirlist.plist", "GroupNoteslist.plist"})
            QVERIFY2(QFileInfo::exists(root + u'/' + QLatin1String(entry)), entry);
    }

    void aBusyVaultAnswersOnlyStatus() {
        QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
        const QString file = test::placeFile(cli_->home(), u"doc.txt"_s, "content");
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add") << file), 0);
        test::writeFile(cli_->home() + u"/later.txt"_s, "not yet");
        const platform::UniqueFd lock = lockHeldElsewhere(cli_->vaultRoot());
        QVERIFY(lock.valid());
        const auto before = test::snapshot(cli_->scratch());
        for (const char* line : {"list", "unhide 1", "add later.txt", "group add G", "verify"}) {
            const CliResult result = cli_->runUnlocked(words(line));
            VEXO_EXPECT_EXIT(result, 4);
            QVERIFY2(result.errText().contains(u"another program"_s, Qt::CaseInsensitive),
                     result.err.constData());
        }
        QCOMPARE(test::snapshot(cli_->scratch()), before);

        const CliResult status = cli_->runUnlocked(words("status --json"));
        VEXO_EXPECT_EXIT(status, 0);
        const QJsonObject expected{{u"root"_s, cli_->vaultRoot()},
                                   {u"openElsewhere"_s, true},
                                   {u"items"_s, 1},
                                   {u"hidden"_s, 1},
                                   {u"visible"_s, 0},
                                   {u"driveVaults"_s, QJsonArray()}};
        QCOMPARE(status.json(), expected);
    }

    // An existing folder is kept, and no hint is stored until one is given.
    void passwdChangesPasswordAndHint() {
        test::writeFile(cli_->home() + u"/Private.vlt/kept.txt"_s, "mine");
        QCOMPARE(cli_->initVault(u"old"_s).exitCode, 0);
        QCOMPARE(test::readFile(cli_->vaultRoot() + u"/kept.txt"_s), QByteArray("mine"));
        QVERIFY(!cli_->setting(u"kPASSWORDHINTCONTENT"_s).isValid());
        const CliResult result =
            cli_->run(words("--password-stdin passwd"), "old\nnew pass\nnew pass\na hint\n");
        VEXO_EXPECT_EXIT(result, 0);
        QVERIFY(result.outText().contains(u"Password changed."_s));
        QCOMPARE(cli_->setting(u"kSOUREPASSWORD"_s).toString(), u"new pass"_s);
        QCOMPARE(cli_->setting(u"kPASSWORDHINTCONTENT"_s).toString(), u"a hint"_s);
        VEXO_EXPECT_EXIT(cli_->run(words("--password-stdin status"), "old\n"), 3);
        // The option may follow the command, and a line may end in CR LF.
        VEXO_EXPECT_EXIT(cli_->run(words("status --password-stdin"), "new pass\r\n"), 0);
    }

private:
    std::unique_ptr<test::CliRunner> cli_;
};

VEXO_TEST_MAIN(CliSetupTest)
#include "tst_clisetup.moc"
