#include "CliRunner.h"
#include "platform/Localization.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace vexo;
using namespace Qt::StringLiterals;
using test::CliResult;
using test::column;
using test::words;

// Items and groups of the local vault through the tool: adding, hiding,
// unhiding, listing, removing, the group commands and the store check.
class CliItemsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cli_ = std::make_unique<test::CliRunner>();
        QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
    }

    // An item already in the asked state counts as done, and a hidden item
    // is only removed when the removal is confirmed.
    void everyByteSurvivesTheRoundTrip() {
        const QByteArray report = test::randomBytes(1'500'000, 1);
        const QString reportPath = place(u"docs/report.bin"_s, report);
        place(u"docs/album/a.jpg"_s, test::randomBytes(70'000, 2));
        place(u"docs/album/trip/b.jpg"_s, test::randomBytes(3, 3));
        place(u"docs/album/trip/empty.txt"_s, {});
        const QString albumPath = cli_->home() + u"/docs/album"_s;
        const auto album = test::snapshot(albumPath);

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add docs/report.bin docs/album/")), 0);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        QVERIFY(!QFileInfo::exists(reportPath));
        QVERIFY(!QFileInfo::exists(albumPath));
        const QJsonArray items = list().items();
        QCOMPARE(column(items, u"number"_s), words("1 2"));
        QCOMPARE(column(items, u"name"_s), words("report.bin album"));
        QCOMPARE(column(items, u"path"_s), (QStringList{reportPath, albumPath}));
        QCOMPARE(column(items, u"vault"_s), words("local local"));
        QCOMPARE(column(items, u"group"_s), words("1 1"));
        QCOMPARE(column(items, u"hidden"_s), words("true true"));
        QCOMPARE(column(items, u"size"_s),
                 (QStringList{QString::number(report.size()), u"70003"_s}));
        for (const QJsonValue& item : items)
            QVERIFY(item[u"added"_s].toInteger() >= before &&
                    item[u"added"_s].toInteger() <= after);

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("hide 1")), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("remove 1")), 1);
        const CliResult byNumber = cli_->runUnlocked(words("unhide 1 1"));
        VEXO_EXPECT_EXIT(byNumber, 0);
        QVERIFY(byNumber.outText().contains(u"Unhidden: "_s + reportPath));
        QCOMPARE(test::readFile(reportPath), report);
        cli_->setWorkingDirectory(cli_->home() + u"/docs"_s);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 1 ./trip/../album/")), 0);
        QCOMPARE(test::snapshot(albumPath), album);

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("hide") << reportPath), 0);
        // The text forms tell the same as JSON.
        const QJsonObject status = cli_->runUnlocked(words("status --json")).json();
        QCOMPARE(status[u"items"_s].toInt(), 2);
        QCOMPARE(status[u"hidden"_s].toInt(), 1);
        QCOMPARE(status[u"visible"_s].toInt(), 1);
        const QString text = cli_->runUnlocked(words("status")).outText();
        for (const QString& line :
             {u"Vault: "_s + cli_->vaultRoot(), u"Items: 2 (1 hidden, 1 visible)"_s,
              u"Open in another program: no"_s})
            QVERIFY2(text.contains(line), qPrintable(text));
        // Spacing aside, a group's line reads "<number> <name> <count>" and an
        // item's "<number> <state> <size> <name> <path>".
        const QString groupLines = cli_->runUnlocked(words("groups")).outText().simplified();
        const QString allFiles = platform::localizedStringForKey(u"group_AllFiles"_s);
        QVERIFY2(groupLines.contains(u"1 %1 2"_s.arg(allFiles)), qPrintable(groupLines));
        const QStringList rows = cli_->runUnlocked(words("list")).outText().trimmed().split(u'\n');
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].simplified().startsWith(u"1 hidden"_s) && rows[0].endsWith(reportPath),
                 qPrintable(rows[0]));
        QVERIFY2(rows[1].simplified().startsWith(u"2 visible"_s) && rows[1].endsWith(albumPath),
                 qPrintable(rows[1]));

        const CliResult removed = cli_->runUnlocked(words("remove 1 --yes"));
        VEXO_EXPECT_EXIT(removed, 0);
        QVERIFY(removed.outText().contains(u"Removed: "_s + reportPath));
        QCOMPARE(test::readFile(reportPath), report);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("remove 1")), 0); // visible: no question
        QCOMPARE(test::snapshot(albumPath), album);
        QCOMPARE(list().items(), QJsonArray());
    }

    void listSortsAndSearches_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("added") << QStringList() << words("beta.txt alpha.txt gamma.log");
        QTest::newRow("name") << words("--sort name") << words("alpha.txt beta.txt gamma.log");
        QTest::newRow("name desc")
            << words("--sort name --desc") << words("gamma.log beta.txt alpha.txt");
        QTest::newRow("path") << words("--sort path") << words("beta.txt gamma.log alpha.txt");
        QTest::newRow("size") << words("--sort size") << words("alpha.txt gamma.log beta.txt");
        QTest::newRow("state") << words("--sort state") << words("beta.txt gamma.log alpha.txt");
        QTest::newRow("state desc")
            << words("--sort state --desc") << words("alpha.txt beta.txt gamma.log");
        QTest::newRow("search any case") << words("--search ALP") << words("alpha.txt");
        QTest::newRow("search sorted")
            << words("--search .TxT --sort name") << words("alpha.txt beta.txt");
        QTest::newRow("search finds none") << words("--search zeta") << QStringList();
        QTest::newRow("group") << words("--group 1 --sort size")
                               << words("alpha.txt gamma.log beta.txt");
    }

    // The numbers follow the vault, not the order shown: scripts may sort
    // and search and still name the item they saw.
    void listSortsAndSearches() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, names);
        place(u"a/beta.txt"_s, QByteArray(30, 'b'));
        place(u"z/alpha.txt"_s, QByteArray(10, 'a'));
        place(u"m/gamma.log"_s, QByteArray(20, 'g'));
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add a/beta.txt z/alpha.txt m/gamma.log")), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 2")), 0);

        const CliResult listed = list(options);
        VEXO_EXPECT_EXIT(listed, 0);
        QCOMPARE(column(listed.items(), u"name"_s), names);
        const QStringList numberOf = words("- beta.txt alpha.txt gamma.log");
        for (const QJsonValue& item : listed.items())
            QCOMPARE(item[u"number"_s].toInt(), numberOf.indexOf(item[u"name"_s].toString()));
    }

    // The "All" groups cannot be deleted; a deleted group's items move to
    // "All files".
    void groupsAreNumberedAcrossSections() {
        const auto untouched = test::snapshot(cli_->vaultRoot());
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("group delete 1")), 1);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("group delete 2")), 1);
        QCOMPARE(test::snapshot(cli_->vaultRoot()), untouched);
        const QString allFiles = platform::localizedStringForKey(u"group_AllFiles"_s);
        const QString allNotes = platform::localizedStringForKey(u"group_Allnotes"_s);
        QCOMPARE(groups(),
                 (QStringList{u"1 %1 local 0"_s.arg(allFiles), u"2 %1 notes 0"_s.arg(allNotes)}));

        const QString first = place(u"first.txt"_s, "1");
        const QByteArray secondContent = test::randomBytes(600'000, 4);
        const QString second = place(u"second.bin"_s, secondContent);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add") << first), 0);
        const CliResult created = cli_->runUnlocked(words("group add Work"));
        VEXO_EXPECT_EXIT(created, 0);
        QVERIFY2(created.outText().contains(u'2'), created.out.constData());
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add --group 2") << second), 0);
        QCOMPARE(groups(), (QStringList{u"1 %1 local 2"_s.arg(allFiles), u"2 Work local 1"_s,
                                        u"3 %1 notes 0"_s.arg(allNotes)}));
        QCOMPARE(column(list().items(), u"group"_s), words("1 2"));
        QCOMPARE(column(list(words("--group 2")).items(), u"path"_s), QStringList{second});
        QCOMPARE(list(words("--group 1")).items().size(), 2);

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("group rename 2 Jobs")), 0);
        QCOMPARE(groups().at(1), u"2 Jobs local 1"_s);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("group delete 2")), 0);
        QCOMPARE(groups(),
                 (QStringList{u"1 %1 local 2"_s.arg(allFiles), u"2 %1 notes 0"_s.arg(allNotes)}));
        // The moved item still comes back whole from where it was stored.
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide") << second), 0);
        QCOMPARE(test::readFile(second), secondContent);
    }

    void anUnknownItemStopsTheWholeCommand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("hide number") << words("hide 1 3") << u"3"_s;
        QTest::newRow("hide zero") << words("hide 0 1") << u"0"_s;
        QTest::newRow("hide path") << words("hide 1 b.txt") << u"b.txt"_s;
        QTest::newRow("unhide") << words("unhide 2 9") << u"9"_s;
        QTest::newRow("remove") << words("remove 1 7 --yes") << u"7"_s;
        QTest::newRow("verify") << words("verify /nowhere") << u"/nowhere"_s;
    }

    void anUnknownItemStopsTheWholeCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, unknown);
        place(u"a.txt"_s, "a");
        place(u"b.txt"_s, "b"); // lies there, but the vault does not hold it
        place(u"c.txt"_s, "c");
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add a.txt c.txt")), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 1")), 0);
        const auto before = test::snapshot(cli_->home());
        const CliResult result = cli_->runUnlocked(arguments);
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY2(result.errText().contains(unknown + u": no such item"_s), result.err.constData());
        QCOMPARE(test::snapshot(cli_->home()), before);
    }

    void aPathAlreadyInTheVaultIsLeftOut() {
        const QString a = place(u"a.txt"_s, "a");
        const QString b = place(u"b.txt"_s, "b");
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add") << a), 0);
        const CliResult again = cli_->runUnlocked(words("add ./a.txt") << b);
        VEXO_EXPECT_EXIT(again, 1);
        QVERIFY2(again.errText().contains(a + u": already in the vault"_s), again.err.constData());
        QVERIFY(again.outText().contains(u"Hidden: "_s + b));
        QCOMPARE(column(list().items(), u"path"_s), (QStringList{a, b}));

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide") << a), 0); // listed while visible too
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add") << a), 1);
        QCOMPARE(list().items().size(), 2);
    }

    void pathsThatCannotBeAddedAreRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << u"missing.txt"_s;
        QTest::newRow("link") << u"link.txt"_s;
        QTest::newRow("inside the vault") << u"Private.vlt/Notes"_s;
    }

    void pathsThatCannotBeAddedAreRefused() {
        QFETCH(QString, path);
        const QString target = place(u"target.txt"_s, "t");
        QVERIFY(QFile::link(target, cli_->home() + u"/link.txt"_s));
        const auto before = test::snapshot(cli_->home());
        const CliResult result = cli_->runUnlocked(words("add") << path);
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(test::snapshot(cli_->home()), before);
        QCOMPARE(QFile::symLinkTarget(cli_->home() + u"/link.txt"_s), target);
    }

    void verifyFindsWhatIsMissingOrDamaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("only");
        QTest::addColumn<int>("checked");
        QTest::addColumn<QString>("state");
        QTest::newRow("intact") << QString() << QStringList() << 2 << QString();
        QTest::newRow("truncated") << u"truncate"_s << QStringList() << 2 << u"damaged"_s;
        QTest::newRow("store gone") << u"remove"_s << QStringList() << 2 << u"missing"_s;
        QTest::newRow("other item asked") << u"truncate"_s << words("1") << 1 << QString();
        QTest::newRow("the item asked") << u"remove"_s << words("3") << 1 << u"missing"_s;
    }

    void verifyFindsWhatIsMissingOrDamaged() {
        QFETCH(QString, damage);
        QFETCH(QStringList, only);
        QFETCH(int, checked);
        QFETCH(QString, state);
        place(u"small.txt"_s, "small");
        place(u"shown.txt"_s, "shown");
        const QString big = place(u"big.bin"_s, test::randomBytes(1'100'000, 5));
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add small.txt shown.txt big.bin")), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 2")), 0);
        const QString store = cli_->localStoreOf(big);
        if (damage == u"truncate"_s) {
            QStringList stored = test::filesBelow(store);
            QCOMPARE(stored.removeAll(u".attributes"_s), 1);
            QCOMPARE(stored.size(), 1);
            QFile file(store + u'/' + stored.first());
            QVERIFY(file.resize(file.size() / 2));
        } else if (damage == u"remove"_s) {
            QVERIFY(QDir(store).removeRecursively());
        }
        const auto before = test::snapshot(cli_->home());

        const CliResult result = cli_->runUnlocked(words("verify --json") + only);
        VEXO_EXPECT_EXIT(result, state.isEmpty() ? 0 : 1);
        QCOMPARE(result.json()[u"checked"_s].toInt(), checked);
        const QJsonArray problems = result.json()[u"problems"_s].toArray();
        QCOMPARE(problems.size(), state.isEmpty() ? 0 : 1);
        if (!state.isEmpty()) {
            const QJsonObject problem = problems.first().toObject();
            QCOMPARE(problem[u"number"_s].toInt(), 3);
            QCOMPARE(problem[u"path"_s].toString(), big);
            QCOMPARE(problem[u"state"_s].toString(), state);
            QVERIFY(state == u"missing"_s || !problem[u"reason"_s].toString().isEmpty());
            const CliResult text = cli_->runUnlocked(words("verify") + only);
            QVERIFY2(text.outText().contains(state + u": "_s + big), text.out.constData());
        }
        QCOMPARE(test::snapshot(cli_->home()), before);
    }

private:
    QString place(const QString& relative, const QByteArray& bytes) {
        return test::placeFile(cli_->home(), relative, bytes);
    }

    CliResult list(const QStringList& options = {}) {
        return cli_->runUnlocked(words("list --json") + options);
    }

    // "number name section count" for every group of groups --json.
    QStringList groups() {
        const CliResult result = cli_->runUnlocked(words("groups --json"));
        QStringList rows;
        for (const QJsonValue& group : result.json()[u"groups"_s].toArray())
            rows << u"%1 %2 %3 %4"_s.arg(group[u"number"_s].toInt())
                        .arg(group[u"name"_s].toString(), group[u"section"_s].toString())
                        .arg(group[u"count"_s].toInt());
        return rows;
    }

    std::unique_ptr<test::CliRunner> cli_;
};

VEXO_TEST_MAIN(CliItemsTest)
#include "tst_cliitems.moc"
