#include "CliRunner.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

using namespace vexo;
using test::CliResult;
using test::word;

namespace {

bool holdsSomething(const QString& folder) {
    return !QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

// Ctrl-C while the tool hides an item stops the run and leaves the item as it
// was.
class CliCancelTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlCDuringAHideLeavesTheItemWhole() {
        test::CliRunner cli;
        QCOMPARE(cli.initVault(word("pw")).exitCode, 0);
        const QString folder = cli.home() + QStringLiteral("/many");
        for (int i = 0; i < 500; ++i)
            test::placeFile(folder, QStringLiteral("%1/file-%2.txt").arg(i % 10).arg(i),
                            test::randomBytes(2048 + i, i));
        const auto content = test::folderContent(folder);
        const QString later = test::placeFile(cli.home(), word("later.txt"), "later");
        VEXO_EXPECT_EXIT(cli.runUnlocked({word("add"), folder, later}), 0);
        VEXO_EXPECT_EXIT(cli.runUnlocked({word("unhide"), word("1"), word("2")}), 0);
        const QString store = cli.localStoreOf(folder);
        QVERIFY(!store.isEmpty());
        QVERIFY(!QFileInfo::exists(store));
        const auto vaultBefore = test::snapshot(cli.vaultRoot());

        QProcess hide;
        cli.startUnlocked(hide, {word("hide"), folder, later});
        QVERIFY(hide.waitForStarted());
        // Poll until the run has stored something, then press Ctrl-C.
        while (hide.state() == QProcess::Running && !holdsSomething(store))
            QTest::qWait(1);
        QCOMPARE(hide.state(), QProcess::Running);
        QCOMPARE(::kill(static_cast<pid_t>(hide.processId()), SIGINT), 0);
        QVERIFY(hide.waitForFinished(300'000));

        QCOMPARE(hide.exitStatus(), QProcess::NormalExit);
        QCOMPARE(hide.exitCode(), 1);
        const QByteArray said = hide.readAllStandardOutput() + hide.readAllStandardError();
        QVERIFY2(said.contains("Cancelled."), said.constData());
        QVERIFY2(!said.contains("Hidden: "), said.constData()); // the later item never started
        QCOMPARE(test::folderContent(folder), content);
        QCOMPARE(test::readFile(later), QByteArray("later"));
        QVERIFY(!QFileInfo::exists(store) || !holdsSomething(store));
        auto vaultAfter = test::snapshot(cli.vaultRoot());
        vaultAfter.remove(store); // an empty store folder may stay
        QCOMPARE(vaultAfter, vaultBefore);

        const CliResult listed = cli.runUnlocked({word("list"), word("--json")});
        for (const QJsonValue& item : listed.items())
            QVERIFY(!item[word("hidden")].toBool());
        QCOMPARE(listed.items().size(), 2);

        // The item still hides whole afterwards.
        VEXO_EXPECT_EXIT(cli.runUnlocked({word("hide"), word("1")}), 0);
        VEXO_EXPECT_EXIT(cli.runUnlocked({word("unhide"), word("1")}), 0);
        QCOMPARE(test::folderContent(folder), content);
    }
};

VEXO_TEST_MAIN(CliCancelTest)
#include "tst_clicancel.moc"
