#include "TestVault.h"
#include "platform/Settings.h"
#include "store/GroupFolderName.h"
#include "support/TestEnvironment.h"
#include "vault/MainViewController.h"

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

namespace {

// name, addDate, size, hidden, createDate
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

// "a b c" as a list of texts.
QStringList list(const char* spaced) {
    return QString::fromLatin1(spaced).split(u' ');
}

QStringList namesOf(const QList<store::FileModelPtr>& items) {
    QStringList names;
    for (const auto& model : items)
        names << model->name;
    return names;
}

} // namespace

class ItemListTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vault_ = std::make_unique<test::TestVault>(test::scratchRoot() +
                                                   QStringLiteral("/v%1.vlt").arg(++count_));
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
        auto photos = std::make_shared<store::GroupModel>();
        photos->name = QStringLiteral("Photos");
        photos->groupName = store::kSystemDevicName;
        photos->isGroupDir = true;
        catalogue_->groupDirList.insert(2, photos);
        catalogue_->groupDirList.at(1)->fileModels = {
            item(QStringLiteral("b.txt"), 30, 5, false, 3),
            item(QStringLiteral("A.txt"), 10, 9, true, 1)};
        photos->fileModels = {item(QStringLiteral("c.jpg"), 20, 5, true, 2),
                              item(QStringLiteral("Cat.png"), 20, 1, false, 4)};
    }

    void sortingTheWholeVault_data() {
        QTest::addColumn<qint64>("sortType");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("names");
        // Equal keys keep the order of the vault: All files first, then Photos.
        QTest::newRow("added, unset") << qint64(0) << true << list("A.txt c.jpg Cat.png b.txt");
        QTest::newRow("added, descending")
            << qint64(1) << false << list("b.txt c.jpg Cat.png A.txt");
        QTest::newRow("name, code units") << qint64(2) << true << list("A.txt Cat.png b.txt c.jpg");
        QTest::newRow("path") << qint64(3) << false << list("c.jpg b.txt Cat.png A.txt");
        QTest::newRow("size, stable") << qint64(4) << true << list("Cat.png b.txt c.jpg A.txt");
        QTest::newRow("hidden first") << qint64(5) << true << list("A.txt c.jpg b.txt Cat.png");
        QTest::newRow("visible first") << qint64(5) << false << list("b.txt Cat.png A.txt c.jpg");
        QTest::newRow("created") << qint64(6) << true << list("A.txt c.jpg b.txt Cat.png");
    }

    void sortingTheWholeVault() {
        QFETCH(qint64, sortType);
        QFETCH(bool, ascending);
        QFETCH(QStringList, names);
        controller_->sortType = sortType;
        controller_->isAscending = ascending;
        controller_->chooseItemsShown();
        QCOMPARE(namesOf(controller_->selected_ItemList), names);
        QCOMPARE(controller_->sortType, sortType == 0 ? 1 : sortType);
    }

    void sortingOneGroupReordersItsOwnList() {
        controller_->selectGroupIndex = 2;
        controller_->sortType = 2;
        controller_->chooseItemsShown();
        const auto photos = catalogue_->groupDirList.at(2);
        QCOMPARE(namesOf(photos->fileModels), list("Cat.png c.jpg"));
        QCOMPARE(photos->fileModels.at(0)->fileIndex, 0);
        QCOMPARE(photos->fileModels.at(1)->fileIndex, 1);
        QCOMPARE(namesOf(controller_->selected_ItemList), namesOf(photos->fileModels));
    }

    void searchingMatchesPartsOfNamesInTheSelectedGroup() {
        controller_->selectGroupIndex = 2;
        controller_->controlTextDidChange(QStringLiteral("C"));
        QCOMPARE(namesOf(controller_->selected_ItemList), list("c.jpg Cat.png"));
        controller_->controlTextDidChange(QStringLiteral("PNG"));
        QCOMPARE(namesOf(controller_->selected_ItemList), list("Cat.png"));
        controller_->controlTextDidChange(QString());
        QCOMPARE(controller_->selected_ItemList.size(), 2);
    }

    void searchingAllFilesLooksAtItsOwnItemsOnly() {
        controller_->controlTextDidChange(QStringLiteral("t"));
        QCOMPARE(namesOf(controller_->selected_ItemList), list("A.txt b.txt"));
    }

    void anOutOfRangeSelectionGoesBackToTheFirstRow() {
        controller_->selectGroup_ItemIndex = 9;
        controller_->chooseItemsShown();
        QCOMPARE(controller_->selectGroup_ItemIndex, 0);
    }

private:
    int count_ = 0;
    std::unique_ptr<test::TestVault> vault_;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(ItemListTest)
#include "tst_itemlist.moc"
