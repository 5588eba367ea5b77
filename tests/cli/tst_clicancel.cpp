#include "CliRunner.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

using namespace vexo;
using namespace Qt::StringLiterals;
using test::words;

// Ctrl-C while the tool hides an item stops the run and leaves the item as it
// was.
class CliCancelTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlCDuringAHideLeavesTheItemWhole() {
        test::CliRunner cli;
        QCOMPARE(cli.initVault(u"pw"_s).exitCode, 0);
        const QString folder = cli.home() + u"/many"_s;
        for (int i = 0; i < 500; ++i)
            test::placeFile(folder, u"%1/file-%2.txt"_s.arg(i % 10).arg(i),
                            test::randomBytes(2048 + i, i));
        const auto content = test::snapshot(folder);
        const QString later = test::placeFile(cli.home(), u"later.txt"_s, "later");
        VEXO_EXPECT_EXIT(cli.runUnlocked(words("add") << folder << later), 0);
        VEXO_EXPECT_EXIT(cli.runUnlocked(words("unhide 1 2")), 0);
        const QString store = cli.localStoreOf(folder);
        QVERIFY(!store.isEmpty());
        const auto vaultBefore = test::snapshot(cli.vaultRoot());

        QProcess hide;
        cli.startUnlocked(hide, words("hide") << folder << later);
        // Poll until the run has stored something, then press Ctrl-C.
        const auto storeHolds = [&store] { return !test::snapshot(store).isEmpty(); };
        while (hide.state() == QProcess::Running && !storeHolds())
            QTest::qWait(1);
        QCOMPARE(hide.state(), QProcess::Running);
        QCOMPARE(::kill(static_cast<pid_t>(hide.processId()), SIGINT), 0);
        QVERIFY(hide.waitForFinished(300'000));

        QCOMPARE(hide.exitStatus(), QProcess::NormalExit);
        QCOMPARE(hide.exitCode(), 1);
        const QByteArray said = hide.readAllStandardOutput() + hide.readAllStandardError();
        QVERIFY2(said.contains("Cancelled."), said.constData());
        QVERIFY2(!said.contains("Hidden: "), said.constData()); // the later item never started
        QCOMPARE(test::snapshot(folder), content);
        QCOMPARE(test::readFile(later), QByteArray("later"));
        QVERIFY(!storeHolds());
        auto vaultAfter = test::snapshot(cli.vaultRoot());
        vaultAfter.remove(store); // an empty store folder may stay
        QCOMPARE(vaultAfter, vaultBefore);
        QCOMPARE(test::column(cli.runUnlocked(words("list --json")).items(), u"hidden"_s),
                 words("false false"));

        // The item still hides whole afterwards.
        VEXO_EXPECT_EXIT(cli.runUnlocked(words("hide 1")), 0);
        VEXO_EXPECT_EXIT(cli.runUnlocked(words("unhide 1")), 0);
        QCOMPARE(test::snapshot(folder), content);
    }
};

VEXO_TEST_MAIN(CliCancelTest)
#include "tst_clicancel.moc"
