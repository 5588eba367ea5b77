#include "CliRunner.h"
#include "platform/Localization.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace vexo;
using test::CliResult;
using test::word;

// Items and groups of the local vault through the tool: adding, hiding,
// unhiding, listing, removing, the group commands and the store check.
class CliItemsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cli_ = std::make_unique<test::CliRunner>();
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
    }

    void everyByteSurvivesTheRoundTrip() {
        const QByteArray report = test::randomBytes(1'500'000, 1);
        const QString reportPath = place(word("docs/report.bin"), report);
        place(word("docs/album/a.jpg"), test::randomBytes(70'000, 2));
        place(word("docs/album/trip/b.jpg"), test::randomBytes(3, 3));
        place(word("docs/album/trip/empty.txt"), {});
        const QString albumPath = cli_->home() + QStringLiteral("/docs/album");
        const auto album = test::folderContent(albumPath);

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const CliResult added =
            cli_->runUnlocked({word("add"), word("docs/report.bin"), word("docs/album/")});
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        VEXO_EXPECT_EXIT(added, 0);
        QVERIFY(added.outText().contains(QStringLiteral("Hidden: ") + reportPath));
        QVERIFY(added.outText().contains(QStringLiteral("Hidden: ") + albumPath));
        QVERIFY(!QFileInfo::exists(reportPath));
        QVERIFY(!QFileInfo::exists(albumPath));

        const QJsonArray items = list().items();
        QCOMPARE(test::numbersOf(items, word("number")), (QList<int>{1, 2}));
        QCOMPARE(test::stringsOf(items, word("name")),
                 (QStringList{word("report.bin"), word("album")}));
        QCOMPARE(test::stringsOf(items, word("path")), (QStringList{reportPath, albumPath}));
        QCOMPARE(test::stringsOf(items, word("vault")),
                 (QStringList{word("local"), word("local")}));
        QCOMPARE(test::numbersOf(items, word("group")), (QList<int>{1, 1}));
        QCOMPARE(hiddenFlags(items), (QList<bool>{true, true}));
        QCOMPARE(items.at(0)[word("size")].toInteger(), report.size());
        QCOMPARE(items.at(1)[word("size")].toInteger(), 70'003);
        for (const QJsonValue& item : items) {
            QVERIFY(item[word("added")].toInteger() >= before);
            QVERIFY(item[word("added")].toInteger() <= after);
        }

        const CliResult byNumber = cli_->runUnlocked({word("unhide"), word("1")});
        VEXO_EXPECT_EXIT(byNumber, 0);
        QVERIFY(byNumber.outText().contains(QStringLiteral("Unhidden: ") + reportPath));
        QCOMPARE(test::readFile(reportPath), report);
        cli_->setWorkingDirectory(cli_->home() + QStringLiteral("/docs"));
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("./trip/../album/")}), 0);
        QCOMPARE(test::folderContent(albumPath), album);
        QCOMPARE(hiddenFlags(list().items()), (QList<bool>{false, false}));

        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("hide"), reportPath}), 0);
        const QJsonObject status = cli_->runUnlocked({word("status"), word("--json")}).json();
        QCOMPARE(status[word("items")].toInt(), 2);
        QCOMPARE(status[word("hidden")].toInt(), 1);
        QCOMPARE(status[word("visible")].toInt(), 1);

        const CliResult removed = cli_->runUnlocked({word("remove"), word("1"), word("--yes")});
        VEXO_EXPECT_EXIT(removed, 0);
        QVERIFY(removed.outText().contains(QStringLiteral("Removed: ") + reportPath));
        QCOMPARE(test::readFile(reportPath), report);
        QCOMPARE(test::stringsOf(list().items(), word("name")), QStringList{word("album")});
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("remove"), word("1")}), 0); // visible: no question
        QCOMPARE(list().items(), QJsonArray());
        QCOMPARE(test::folderContent(albumPath), album);
        QCOMPARE(cli_->localGroups().at(1)->fileModels.size(), 0);
    }

    void theTextFormsTellTheSameAsJson() {
        place(word("one.txt"), "1");
        place(word("two.txt"), "22");
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), word("one.txt"), word("two.txt")}), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("2")}), 0);

        const QString status = cli_->runUnlocked({word("status")}).outText();
        for (const QString& line : {QStringLiteral("Vault: ") + cli_->vaultRoot(),
                                    QStringLiteral("Items: 2 (1 hidden, 1 visible)"),
                                    QStringLiteral("Open in another program: no")})
            QVERIFY2(status.contains(line), qPrintable(status));
        // Spacing aside, a group's line reads "<number> <name> <count>".
        const QString groups = cli_->runUnlocked({word("groups")}).outText().simplified();
        const QString allFiles = platform::localizedStringForKey(word("group_AllFiles"));
        QVERIFY2(groups.contains(QStringLiteral("1 %1 2").arg(allFiles)), qPrintable(groups));
        const QStringList rows = cli_->runUnlocked({word("list")}).outText().split(u'\n');
        const auto rowWith = [&rows](const QString& name) {
            for (const QString& row : rows)
                if (row.contains(name))
                    return row.simplified().split(u' ');
            return QStringList();
        };
        QCOMPARE(rowWith(word("one.txt")).mid(0, 2), (QStringList{word("1"), word("hidden")}));
        QCOMPARE(rowWith(word("two.txt")).mid(0, 2), (QStringList{word("2"), word("visible")}));
        QVERIFY(rowWith(word("two.txt")).contains(cli_->home() + QStringLiteral("/two.txt")));
    }

    void anItemAlreadyInThatStateCountsAsDone() {
        const QString path = place(word("a.txt"), "a");
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), path}), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("hide"), word("1")}), 0);
        QCOMPARE(hiddenFlags(list().items()), QList<bool>{true});
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("1"), word("1")}), 0);
        QCOMPARE(test::readFile(path), QByteArray("a"));
    }

    void aHiddenItemStaysUnlessTheRemovalIsConfirmed() {
        const QString path = place(word("a.txt"), "a");
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), path}), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("remove"), word("1")}), 1);
        QCOMPARE(hiddenFlags(list().items()), QList<bool>{true});
        QVERIFY(!QFileInfo::exists(path));
    }

    void listSortsAndSearches_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("names");
        const QString alpha = word("alpha.txt");
        const QString beta = word("beta.txt");
        const QString gamma = word("gamma.log");
        QTest::newRow("added") << QStringList() << QStringList{beta, alpha, gamma};
        QTest::newRow("name") << QStringList{word("--sort"), word("name")}
                              << QStringList{alpha, beta, gamma};
        QTest::newRow("name desc") << QStringList{word("--sort"), word("name"), word("--desc")}
                                   << QStringList{gamma, beta, alpha};
        QTest::newRow("path") << QStringList{word("--sort"), word("path")}
                              << QStringList{beta, gamma, alpha};
        QTest::newRow("size") << QStringList{word("--sort"), word("size")}
                              << QStringList{alpha, gamma, beta};
        QTest::newRow("state") << QStringList{word("--sort"), word("state")}
                               << QStringList{beta, gamma, alpha};
        QTest::newRow("state desc") << QStringList{word("--sort"), word("state"), word("--desc")}
                                    << QStringList{alpha, beta, gamma};
        QTest::newRow("search any case")
            << QStringList{word("--search"), word("ALP")} << QStringList{alpha};
        QTest::newRow("search sorted")
            << QStringList{word("--search"), word(".TxT"), word("--sort"), word("name")}
            << QStringList{alpha, beta};
        QTest::newRow("search finds none")
            << QStringList{word("--search"), word("zeta")} << QStringList();
        QTest::newRow("group") << QStringList{word("--group"), word("1"), word("--sort"),
                                              word("size")}
                               << QStringList{alpha, gamma, beta};
    }

    // The numbers follow the vault, not the order shown: scripts may sort
    // and search and still name the item they saw.
    void listSortsAndSearches() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, names);
        place(word("a/beta.txt"), QByteArray(30, 'b'));
        place(word("z/alpha.txt"), QByteArray(10, 'a'));
        place(word("m/gamma.log"), QByteArray(20, 'g'));
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), word("a/beta.txt"), word("z/alpha.txt"),
                                            word("m/gamma.log")}),
                         0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("2")}), 0);

        const CliResult listed = list(options);
        VEXO_EXPECT_EXIT(listed, 0);
        const QJsonArray items = listed.items();
        QCOMPARE(test::stringsOf(items, word("name")), names);
        const QMap<QString, int> numberOf{
            {word("beta.txt"), 1}, {word("alpha.txt"), 2}, {word("gamma.log"), 3}};
        for (const QJsonValue& item : items)
            QCOMPARE(item[word("number")].toInt(), numberOf.value(item[word("name")].toString()));
    }

    void groupsAreNumberedAcrossSections() {
        const QString allFiles = platform::localizedStringForKey(word("group_AllFiles"));
        const QString allNotes = platform::localizedStringForKey(word("group_Allnotes"));
        QCOMPARE(groups(), (QStringList{word("1 %1 local 0").arg(allFiles),
                                        word("2 %1 notes 0").arg(allNotes)}));

        const QString first = place(word("first.txt"), "1");
        const QByteArray secondContent = test::randomBytes(600'000, 4);
        const QString second = place(word("second.bin"), secondContent);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), first}), 0);
        const CliResult created = cli_->runUnlocked({word("group"), word("add"), word("Work")});
        VEXO_EXPECT_EXIT(created, 0);
        QVERIFY2(created.outText().contains(u'2'), created.out.constData());
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), word("--group"), word("2"), second}), 0);
        QCOMPARE(groups(), (QStringList{word("1 %1 local 2").arg(allFiles), word("2 Work local 1"),
                                        word("3 %1 notes 0").arg(allNotes)}));
        QCOMPARE(test::numbersOf(list().items(), word("group")), (QList<int>{1, 2}));
        QCOMPARE(test::stringsOf(list({word("--group"), word("2")}).items(), word("path")),
                 QStringList{second});
        QCOMPARE(list({word("--group"), word("1")}).items().size(), 2);

        VEXO_EXPECT_EXIT(
            cli_->runUnlocked({word("group"), word("rename"), word("2"), word("Jobs")}), 0);
        QCOMPARE(groups().at(1), word("2 Jobs local 1"));
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("group"), word("delete"), word("2")}), 0);
        QCOMPARE(groups(), (QStringList{word("1 %1 local 2").arg(allFiles),
                                        word("2 %1 notes 0").arg(allNotes)}));
        const store::GroupList stored = cli_->localGroups();
        QCOMPARE(stored.size(), 3); // header, "All files", add row
        QCOMPARE(stored.at(1)->fileModels.size(), 2);
        QCOMPARE(stored.at(1)->fileModels.last()->path, second);

        // The moved item still comes back whole from where it was stored.
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), second}), 0);
        QCOMPARE(test::readFile(second), secondContent);
    }

    void theAllGroupsCannotBeDeleted_data() {
        QTest::addColumn<QString>("number");
        QTest::newRow("all files") << word("1");
        QTest::newRow("all notes") << word("2");
    }

    void theAllGroupsCannotBeDeleted() {
        QFETCH(QString, number);
        const auto before = test::snapshot(cli_->vaultRoot());
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("group"), word("delete"), number}), 1);
        QCOMPARE(test::snapshot(cli_->vaultRoot()), before);
    }

    void anUnknownItemStopsTheWholeCommand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("hide number")
            << QStringList{word("hide"), word("1"), word("3")} << word("3");
        QTest::newRow("hide zero") << QStringList{word("hide"), word("0"), word("1")} << word("0");
        QTest::newRow("hide path")
            << QStringList{word("hide"), word("1"), word("b.txt")} << word("b.txt");
        QTest::newRow("unhide") << QStringList{word("unhide"), word("2"), word("9")} << word("9");
        QTest::newRow("remove") << QStringList{word("remove"), word("1"), word("7"), word("--yes")}
                                << word("7");
        QTest::newRow("verify") << QStringList{word("verify"), word("/nowhere")}
                                << word("/nowhere");
    }

    void anUnknownItemStopsTheWholeCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, unknown);
        place(word("a.txt"), "a");
        place(word("b.txt"), "b"); // lies there, but the vault does not hold it
        place(word("c.txt"), "c");
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), word("a.txt"), word("c.txt")}), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("1")}), 0);
        const auto before = test::snapshot(cli_->home());
        const CliResult result = cli_->runUnlocked(arguments);
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY2(result.errText().contains(unknown + QStringLiteral(": no such item")),
                 result.err.constData());
        QCOMPARE(test::snapshot(cli_->home()), before);
    }

    void aPathAlreadyInTheVaultIsLeftOut() {
        const QString a = place(word("a.txt"), "a");
        const QString b = place(word("b.txt"), "b");
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), a}), 0);
        const CliResult again = cli_->runUnlocked({word("add"), word("./a.txt"), b});
        VEXO_EXPECT_EXIT(again, 1);
        QVERIFY2(again.errText().contains(a + QStringLiteral(": already in the vault")),
                 again.err.constData());
        QVERIFY(again.outText().contains(QStringLiteral("Hidden: ") + b));
        QCOMPARE(test::stringsOf(list().items(), word("path")), (QStringList{a, b}));

        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), a}), 0); // listed while visible too
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("add"), a}), 1);
        QCOMPARE(list().items().size(), 2);
    }

    void pathsThatCannotBeAddedAreRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << word("missing.txt");
        QTest::newRow("link") << word("link.txt");
        QTest::newRow("inside the vault") << word("Private.vlt/Notes");
    }

    void pathsThatCannotBeAddedAreRefused() {
        QFETCH(QString, path);
        const QString target = place(word("target.txt"), "t");
        QVERIFY(QFile::link(target, cli_->home() + QStringLiteral("/link.txt")));
        const CliResult result = cli_->runUnlocked({word("add"), path});
        VEXO_EXPECT_EXIT(result, 1);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(list().items(), QJsonArray());
        QCOMPARE(QFile::symLinkTarget(cli_->home() + QStringLiteral("/link.txt")), target);
        QVERIFY(QFileInfo(cli_->vaultRoot() + QStringLiteral("/GroupDirlist.plist")).isFile());
    }

    void verifyFindsWhatIsMissingOrDamaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("only");
        QTest::addColumn<int>("checked");
        QTest::addColumn<QString>("state");
        QTest::newRow("intact") << QString() << QStringList() << 2 << QString();
        QTest::newRow("truncated") << word("truncate") << QStringList() << 2 << word("damaged");
        QTest::newRow("store gone") << word("remove") << QStringList() << 2 << word("missing");
        QTest::newRow("other item asked")
            << word("truncate") << QStringList{word("1")} << 1 << QString();
        QTest::newRow("the item asked")
            << word("remove") << QStringList{word("3")} << 1 << word("missing");
    }

    void verifyFindsWhatIsMissingOrDamaged() {
        QFETCH(QString, damage);
        QFETCH(QStringList, only);
        QFETCH(int, checked);
        QFETCH(QString, state);
        place(word("small.txt"), "small");
        place(word("shown.txt"), "shown");
        const QString big = place(word("big.bin"), test::randomBytes(1'100'000, 5));
        VEXO_EXPECT_EXIT(
            cli_->runUnlocked({word("add"), word("small.txt"), word("shown.txt"), big}), 0);
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("2")}), 0);
        const QString store = cli_->localStoreOf(big);
        if (damage == word("truncate")) {
            const QStringList stored = test::filesBelow(store);
            QCOMPARE(stored.size(), 1);
            QFile file(store + u'/' + stored.first());
            QVERIFY(file.resize(file.size() / 2));
        } else if (damage == word("remove")) {
            QVERIFY(QDir(store).removeRecursively());
        }
        const auto before = test::snapshot(cli_->home());

        const CliResult result =
            cli_->runUnlocked(QStringList{word("verify"), word("--json")} + only);
        VEXO_EXPECT_EXIT(result, state.isEmpty() ? 0 : 1);
        QCOMPARE(result.json()[word("checked")].toInt(), checked);
        const QJsonArray problems = result.json()[word("problems")].toArray();
        QCOMPARE(problems.size(), state.isEmpty() ? 0 : 1);
        if (!state.isEmpty()) {
            const QJsonObject problem = problems.first().toObject();
            QCOMPARE(problem[word("number")].toInt(), 3);
            QCOMPARE(problem[word("path")].toString(), big);
            QCOMPARE(problem[word("state")].toString(), state);
            QVERIFY(state == word("missing") || !problem[word("reason")].toString().isEmpty());
            const CliResult text = cli_->runUnlocked(QStringList{word("verify")} + only);
            QVERIFY2(text.outText().contains(state + QStringLiteral(": ") + big),
                     text.out.constData());
        }
        QCOMPARE(test::snapshot(cli_->home()), before);
    }

private:
    QString place(const QString& relative, const QByteArray& bytes) {
        return test::placeFile(cli_->home(), relative, bytes);
    }

    CliResult list(const QStringList& options = {}) {
        return cli_->runUnlocked(QStringList{word("list"), word("--json")} + options);
    }

    // "number name section count" for every group of groups --json.
    QStringList groups() {
        const CliResult result = cli_->runUnlocked({word("groups"), word("--json")});
        QStringList rows;
        for (const QJsonValue& group : result.json()[word("groups")].toArray())
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(group[word("number")].toInt())
                        .arg(group[word("name")].toString(), group[word("section")].toString())
                        .arg(group[word("count")].toInt());
        return rows;
    }

    static QList<bool> hiddenFlags(const QJsonArray& items) {
        QList<bool> flags;
        for (const QJsonValue& item : items)
            flags << item[word("hidden")].toBool();
        return flags;
    }

    std::unique_ptr<test::CliRunner> cli_;
};

VEXO_TEST_MAIN(CliItemsTest)
#include "tst_cliitems.moc"
