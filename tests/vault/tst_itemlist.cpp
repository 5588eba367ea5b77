#include "TestVault.h"

using namespace vexo;
using test::namesOf;
using test::words;

namespace {

store::FileModelPtr item(const QString& name, qint64 added, qint64 size, bool hidden,
                         qint64 created) {
    auto model = std::make_shared<store::FileModel>();
    model->name = name;
    model->path = QStringLiteral("/home/u/") + name;
    model->addDate = added;
    model->fileSize = size;
    model->isEncrtypt = hidden;
    model->createDate = created;
    model->groupName = store::kSystemDevicName;
    return model;
}

} // namespace

// All files holds b.txt and A.txt, the group Photos c.jpg and Cat.png.
class ItemListTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        startCase();
        auto photos = std::make_shared<store::GroupModel>();
        photos->name = QStringLiteral("Photos");
        photos->groupName = store::kSystemDevicName;
        photos->isGroupDir = true;
        catalogue().groupDirList.insert(2, photos);
        // name, added, size, hidden, created
        allFiles()->fileModels = {item(QStringLiteral("b.txt"), 30, 5, false, 3),
                                  item(QStringLiteral("A.txt"), 10, 9, true, 1)};
        photos->fileModels = {item(QStringLiteral("c.jpg"), 20, 5, true, 2),
                              item(QStringLiteral("Cat.png"), 20, 1, false, 4)};
    }
    void cleanup() { endCase(); }

    void sortingTheWholeVault_data() {
        QTest::addColumn<qint64>("sortType");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("names");
        // Equal keys keep the order of the vault: All files first, then Photos.
        QTest::newRow("added, unset") << qint64(0) << true << words("A.txt c.jpg Cat.png b.txt");
        QTest::newRow("added, descending")
            << qint64(1) << false << words("b.txt c.jpg Cat.png A.txt");
        QTest::newRow("name, code units")
            << qint64(2) << true << words("A.txt Cat.png b.txt c.jpg");
        QTest::newRow("path") << qint64(3) << false << words("c.jpg b.txt Cat.png A.txt");
        QTest::newRow("size, stable") << qint64(4) << true << words("Cat.png b.txt c.jpg A.txt");
        QTest::newRow("hidden first") << qint64(5) << true << words("A.txt c.jpg b.txt Cat.png");
        QTest::newRow("visible first") << qint64(5) << false << words("b.txt Cat.png A.txt c.jpg");
        QTest::newRow("created") << qint64(6) << true << words("A.txt c.jpg b.txt Cat.png");
    }

    void sortingTheWholeVault() {
        QFETCH(qint64, sortType);
        QFETCH(bool, ascending);
        QFETCH(QStringList, names);
        controller().sortType = sortType;
        controller().isAscending = ascending;
        controller().chooseItemsShown();
        QCOMPARE(namesOf(controller().selected_ItemList), names);
        QCOMPARE(controller().sortType, sortType == 0 ? 1 : sortType);
    }

    void sortingOneGroupReordersItsOwnList() {
        controller().selectGroupIndex = 2;
        controller().sortType = 2;
        controller().chooseItemsShown();
        const auto photos = catalogue().groupDirList.at(2);
        QCOMPARE(namesOf(photos->fileModels), words("Cat.png c.jpg"));
        QCOMPARE(photos->fileModels.at(0)->fileIndex, 0);
        QCOMPARE(photos->fileModels.at(1)->fileIndex, 1);
        QCOMPARE(namesOf(controller().selected_ItemList), namesOf(photos->fileModels));
    }

    void showingClearsTheCancelMarksOfTheItemsItSorts_data() {
        QTest::addColumn<qint64>("groupIndex");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("the whole vault") << qint64(1) << QString() << true;
        QTest::newRow("one group") << qint64(2) << QString() << true;
        QTest::newRow("two matches") << qint64(2) << QStringLiteral("c") << true;
        QTest::newRow("one match, nothing compared") << qint64(2) << QStringLiteral("png") << false;
    }

    // The marks of a cancelled or failed run go when the items shown are
    // sorted; items not shown keep theirs.
    void showingClearsTheCancelMarksOfTheItemsItSorts() {
        QFETCH(qint64, groupIndex);
        QFETCH(QString, search);
        QFETCH(bool, cleared);
        QList<store::FileModelPtr> everyItem;
        for (const auto& group : catalogue().groupDirList)
            everyItem += group->fileModels;
        for (const auto& each : everyItem)
            each->isCancel = true;
        controller().selectGroupIndex = groupIndex;
        controller().controlTextDidChange(search);
        QVERIFY(!controller().selected_ItemList.isEmpty());
        for (const auto& each : everyItem) {
            const bool shown = controller().selected_ItemList.contains(each);
            QCOMPARE(each->isCancel.load(), !(shown && cleared));
        }
    }

    // A search looks at the selected group's own items only, All files too.
    void searchingMatchesPartsOfNames() {
        controller().selectGroupIndex = 2;
        controller().controlTextDidChange(QStringLiteral("C"));
        QCOMPARE(namesOf(controller().selected_ItemList), words("c.jpg Cat.png"));
        controller().controlTextDidChange(QStringLiteral("PNG"));
        QCOMPARE(namesOf(controller().selected_ItemList), words("Cat.png"));
        controller().controlTextDidChange(QString());
        QCOMPARE(controller().selected_ItemList.size(), 2);

        controller().selectGroupIndex = 1;
        controller().controlTextDidChange(QStringLiteral("t"));
        QCOMPARE(namesOf(controller().selected_ItemList), words("A.txt b.txt"));
    }

    void anOutOfRangeSelectionGoesBackToTheFirstRow() {
        controller().selectGroup_ItemIndex = 9;
        controller().chooseItemsShown();
        QCOMPARE(controller().selectGroup_ItemIndex, 0);
    }
};

VEXO_TEST_MAIN(ItemListTest)
#include "tst_itemlist.moc"
