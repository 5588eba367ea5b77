#include "MainViewFixture.h"
#include "cipher/Thumbnails.h"
#include "store/VaultPaths.h"
#include "ui/FileInfoWindow.h"
#include "ui/FileRowDelegate.h"
#include "ui/MenuBar.h"
#include "ui/ProgressPanel.h"
#include "vault/ProgressText.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

using namespace vexo;
using store::FileModelPtr;
using test::TestVault;
using test::text;
using test::words;
using Role = ui::FileListModel::Role;

namespace {

QAction* sortEntry(QMenu* menu, int tag) {
    for (QAction* entry : menu->actions())
        if (!entry->isSeparator() && entry->data().toInt() == tag)
            return entry;
    return nullptr;
}

} // namespace

// The file list of the main view: sorting, searching, switching items from
// their rows, cancelling, removing, dropping, the information window, the
// progress panel and the menu bar's hide and unhide commands.
class FileListTest : public QObject, public test::MainViewFixture {
    Q_OBJECT
private:
    void chooseSort(int tag) {
        std::unique_ptr<QMenu> menu(view().applicationDockMenu(&view()));
        sortEntry(menu.get(), tag)->trigger();
    }

    void clickToggle(int row) { clickRow("itemScrollView", row, &ui::FileRowDelegate::toggleRect); }

    ui::ProgressPanel& panel() { return view().progressPanel(); }

private slots:
    void init() { openView(); }
    void cleanup() { closeView(); }

    // Three items whose keys each give another order; Report.pdf is hidden.
    void sortingOrdersTheListByEachKeyBothWays_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("ascending");
        QTest::addColumn<QString>("descending");
        QTest::newRow("added date") << 1 << "notes.txt Report.pdf archive.zip"
                                    << "archive.zip Report.pdf notes.txt";
        QTest::newRow("name, capitals first") << 2 << "Report.pdf archive.zip notes.txt"
                                              << "notes.txt archive.zip Report.pdf";
        QTest::newRow("location") << 3 << "archive.zip notes.txt Report.pdf"
                                  << "Report.pdf notes.txt archive.zip";
        QTest::newRow("size") << 4 << "notes.txt archive.zip Report.pdf"
                              << "Report.pdf archive.zip notes.txt";
        QTest::newRow("state, ties as stored") << 5 << "Report.pdf notes.txt archive.zip"
                                               << "notes.txt archive.zip Report.pdf";
        QTest::newRow("creation date") << 6 << "archive.zip Report.pdf notes.txt"
                                       << "notes.txt Report.pdf archive.zip";
    }
    void sortingOrdersTheListByEachKeyBothWays() {
        QFETCH(int, key);
        QFETCH(QString, ascending);
        QFETCH(QString, descending);
        const std::tuple<const char*, int, qint64, qint64> items[] = {
            {"b/notes.txt", 100, 1, 30},
            {"c/Report.pdf", 300, 2, 20},
            {"a/archive.zip", 200, 3, 10}};
        QList<FileModelPtr> listed;
        for (const auto& [path, size, added, created] : items) {
            listed << listVisible(localGroup(1), QString::fromLatin1(path), QByteArray(size, 'x'));
            listed.last()->addDate = added;
            listed.last()->createDate = created;
        }
        switchAndWait(listed.at(1));

        for (const auto& [direction, expected] :
             {std::pair{7, ascending}, std::pair{8, descending}}) {
            chooseSort(key);
            QCOMPARE(child<QPushButton>("sortBtn")->text(),
                     platform::localizedText(QStringLiteral("SortBtn.title"),
                                             {platform::localizedStringForKey(
                                                 QStringLiteral("SortbyItem%1").arg(key))}));
            chooseSort(direction);
            QCOMPARE(shownNames().join(u' '), expected);
            std::unique_ptr<QMenu> menu(view().applicationDockMenu(&view()));
            for (int tag = 1; tag <= 8; ++tag)
                QCOMPARE(sortEntry(menu.get(), tag)->isChecked(), tag == key || tag == direction);
        }
    }

    // Sorting by state is offered while the selected group's index is
    // within the local list's row count (three rows in a fresh vault); a
    // drive vault's groups can pass it.
    void sortingByStateIsOfferedUpToTheLocalRowCount_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("offered");
        QTest::newRow("drive group 3") << 3 << true;
        QTest::newRow("drive group 4") << 4 << false;
    }
    void sortingByStateIsOfferedUpToTheLocalRowCount() {
        QFETCH(int, index);
        QFETCH(bool, offered);
        const QString key = openDriveVault();
        for (int group = 2; group <= 4; ++group)
            QVERIFY(controller().createGroup(key) != nullptr);
        controller().select(key, index);
        std::unique_ptr<QMenu> menu(view().applicationDockMenu(&view()));
        for (int tag = 1; tag <= 8; ++tag)
            QCOMPARE(sortEntry(menu.get(), tag)->isEnabled(), tag != 5 || offered);
    }

    void searchingShowsTheMatchingNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("part of a name") << "rep"
                                        << "Report.pdf";
        QTest::newRow("letter case aside") << "TXT"
                                           << "notes.txt";
        QTest::newRow("no match") << "zip"
                                  << "";
    }
    void searchingShowsTheMatchingNames() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        listVisible(localGroup(1), QStringLiteral("Report.pdf"), "report");
        listVisible(localGroup(1), QStringLiteral("notes.txt"), "notes");
        auto* field = child<QLineEdit>("searchTextField");
        QTest::keyClicks(field, typed);
        QCOMPARE(shownNames().join(u' '), shown);
        QCOMPARE(child<QLabel>("dropArrowView")->isVisible(), shown.isEmpty());
        field->clear();
        QCOMPARE(shownNames(), words("Report.pdf notes.txt"));
    }

    // The panel shows from the start of the run to its end; the row and the
    // list file follow the item's state.
    void theToggleHidesAndUnhidesAnItem() {
        const QByteArray content = test::randomBytes(3000);
        const FileModelPtr item = listVisible(localGroup(1), QStringLiteral("report.bin"), content);
        QVERIFY(!panel().isShown());
        holdRunAtStep(1);
        clickToggle(0);
        QTRY_VERIFY(runHeld());
        QVERIFY(fileRow(0, Role::HiddenRole).toBool()); // the target state at once
        QVERIFY(panel().isShown());
        QCOMPARE(panel().stateText(), text("process.text"));
        QCOMPARE(TestVault::listedHidden(item->path), false);
        releaseRun();
        QTRY_COMPARE(TestVault::listedHidden(item->path), true);
        QVERIFY(!panel().isShown());
        QCOMPARE(panel().stateText(), text("Completed"));
        QVERIFY(!QFileInfo::exists(item->path));
        QCOMPARE(fileRow(0, Role::DescriptionRole).toString(), vault::contentSizeForPath(*item));
        QCOMPARE(fileRow(0, Role::StateTextRole).toString(), text("hideState.text"));

        clickToggle(0);
        QTRY_COMPARE(TestVault::listedHidden(item->path), false);
        QVERIFY(!fileRow(0, Role::HiddenRole).toBool());
        QCOMPARE(fileRow(0, Role::DescriptionRole).toString(), item->path);
        QCOMPARE(fileRow(0, Role::StateTextRole).toString(), text("visableLabel.stringValue"));
        QCOMPARE(test::readFile(item->path), content);
    }

    // The reveal button turns into the cancel button while the row's run goes on.
    void cancellingARunningHideFromItsRowKeepsTheItemVisibleAndWhole() {
        const QByteArray content = test::randomBytes(10 * 512000);
        const FileModelPtr item = listVisible(localGroup(1), QStringLiteral("movie.bin"), content);
        holdRunAtStep(7); // one report in six reaches the row
        clickToggle(0);
        QTRY_VERIFY(runHeld());
        QTRY_VERIFY(fileRow(0, Role::ProgressRole).toFloat() > 0);
        clickRow("itemScrollView", 0, &ui::FileRowDelegate::revealRect);
        releaseRun();
        QTRY_VERIFY(!panel().isShown());
        QCOMPARE(panel().stateText(), text("Cancel"));
        QVERIFY(!fileRow(0, Role::HiddenRole).toBool());
        QCOMPARE(fileRow(0, Role::ProgressRole).toFloat(), 0.0F);
        QCOMPARE(TestVault::listedHidden(item->path), false);
        QCOMPARE(test::readFile(item->path), content);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
    }

    void removingAHiddenItemAsksAndUnhidesItFirst_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void removingAHiddenItemAsksAndUnhidesItFirst() {
        QFETCH(bool, confirmed);
        const FileModelPtr item = listVisible(localGroup(1), QStringLiteral("old.txt"), "old");
        switchAndWait(item);
        ui::DialogPrompt::answerNextAlertWith(confirmed ? 0 : 1);
        std::unique_ptr<QMenu> menu(view().groupChildFile_Menu(0, &view()));
        test::entryOf(menu.get(), "groupChildFile_Item4")->trigger();
        QCOMPARE(ui::DialogPrompt::takeAnsweredAlerts().value(0).messageKey,
                 QStringLiteral("removeitemformlistmessage.text"));
        if (confirmed) {
            QTRY_COMPARE(files().rowCount(), 0);
            QCOMPARE(TestVault::listedHidden(item->path), std::nullopt);
            QCOMPARE(test::readFile(item->path), QByteArray("old"));
            QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
        } else {
            QCOMPARE(shownNames(), words("old.txt"));
            QCOMPARE(TestVault::listedHidden(item->path), true);
        }
    }

    void droppedFilesAndFoldersAreAdded() {
        const QString file = test::placeFile(base_, QStringLiteral("drop/a.txt"), "alpha");
        test::placeFile(base_, QStringLiteral("drop/album/1.jpg"), "one");
        const QString folder = base_ + QStringLiteral("/drop/album");
        QVERIFY(child<QLabel>("dropArrowView")->isVisible());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(folder),
                      QUrl(QStringLiteral("https://example.org/b.txt"))});
        QWidget* target = child<QAbstractItemView>("itemScrollView")->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(TestVault::listedHidden(folder), true);
        QTRY_COMPARE(TestVault::listedHidden(file), true);
        QCOMPARE(shownNames(), words("a.txt album"));
        QVERIFY(!child<QLabel>("dropArrowView")->isVisible());
    }

    void theRowMenuAndTheInformationWindowDescribeTheItem_data() {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("visible") << false;
        QTest::newRow("hidden") << true;
    }
    void theRowMenuAndTheInformationWindowDescribeTheItem() {
        QFETCH(bool, hidden);
        const FileModelPtr item =
            listVisible(localGroup(1), QStringLiteral("docs/letter.odt"), QByteArray(2048, 'l'));
        if (hidden)
            switchAndWait(item);
        std::unique_ptr<QMenu> menu(view().groupChildFile_Menu(0, &view()));
        QVERIFY(
            test::entryOf(menu.get(), hidden ? "groupChildFile_Item0" : "groupChildFile_Item1"));
        QCOMPARE(test::entryOf(menu.get(), "groupChildFile_Item3")->isEnabled(), !hidden);

        QHash<QString, QString> shown;
        QTimer::singleShot(0, this, [&] {
            auto* window = view().findChild<ui::FileInfoWindow*>();
            QVERIFY(window != nullptr && window->isModal());
            for (QLabel* label : window->findChildren<QLabel*>())
                shown.insert(label->objectName(), label->text());
            window->reject();
        });
        test::entryOf(menu.get(), "groupChildFile_Item2")->trigger();
        QCOMPARE(shown.value(QStringLiteral("fileName")), QStringLiteral("letter.odt"));
        // Only a hidden item's size says it is stored enciphered.
        QCOMPARE(shown.value(QStringLiteral("filesizeValue")),
                 QStringLiteral("Size: ") +
                     (hidden ? vault::contentSizeForPath(*item) : vault::sizeText(2048)));
        QCOMPARE(shown.value(QStringLiteral("filePath")), item->path);
        QCOMPARE(shown.value(QStringLiteral("stateLabel")),
                 text(hidden ? "hideState.text" : "unhideState.text"));
    }

    // A row shows the item's thumbnail when the vault has one, else the icon
    // of its kind, which a folder keeps while it is hidden.
    void rowPicturesShowTheThumbnailOrTheKindOfItem() {
        const FileModelPtr picture = listVisible(localGroup(1), QStringLiteral("cat.png"), "x");
        QImage red(80, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(cipher::getFileThumbImagePath(picture->path,
                                                       vault::vaultFolderOfKey(picture->groupName)),
                         "PNG"));
        const FileModelPtr folder = listVisible(localGroup(1), QStringLiteral("Photos/a.txt"), "a");
        folder->path = base_ + QStringLiteral("/Photos");
        folder->name = QStringLiteral("Photos");
        folder->md5CodePath.clear();
        folder->encryptedPath = localGroup(1)->path + u'/' + store::itemStoreName(folder->path);
        listVisible(localGroup(1), QStringLiteral("notes.txt"), "n");
        const auto pictureOf = [this](const QString& name) {
            return fileRow(int(shownNames().indexOf(name)), Qt::DecorationRole).value<QPixmap>();
        };

        QTRY_COMPARE(pictureOf(QStringLiteral("cat.png")).size(), QSize(40, 20));
        QCOMPARE(pictureOf(QStringLiteral("cat.png")).toImage().pixelColor(20, 10),
                 QColor(Qt::red));
        const qint64 folderIcon = pictureOf(QStringLiteral("Photos")).cacheKey();
        switchAndWait(folder);
        QVERIFY(!QFileInfo::exists(folder->path));
        QCOMPARE(pictureOf(QStringLiteral("Photos")).cacheKey(), folderIcon);
        QVERIFY(pictureOf(QStringLiteral("notes.txt")).cacheKey() != folderIcon);
    }

    // Armed the way the application arms them whenever the view says so.
    void theMenuBarArmsHideOrUnhideForTheSelectedItem() {
        ui::MenuBar bar;
        connect(&view(), &ui::MainView::itemSelectionChanged, &bar, [&] {
            const FileModelPtr item = controller().selectedItem();
            bar.armHideItems(item && !item->isEncrtypt, item && item->isEncrtypt);
        });
        const auto armed = [&] {
            return std::pair{bar.HideItem()->isEnabled(), bar.UnHideItem()->isEnabled()};
        };
        newGroup(store::kSystemDevicName, QStringLiteral("Empty"));
        listVisible(localGroup(1), QStringLiteral("shown.txt"), "shown");
        const FileModelPtr kept = listVisible(localGroup(1), QStringLiteral("kept.txt"), "kept");
        switchAndWait(kept);
        clickRow("groupScrollView", 2); // header, All files, Empty, add row
        QCOMPARE(armed(), std::pair(false, false));
        clickRow("groupScrollView", 1);
        QCOMPARE(armed(), std::pair(true, false));
        clickRow("itemScrollView", 1);
        QCOMPARE(controller().selectedItem(), kept);
        QCOMPARE(armed(), std::pair(false, true));
        clickToggle(1);
        QTRY_COMPARE(TestVault::listedHidden(kept->path), false);
        QCOMPARE(armed(), std::pair(true, false));
    }
};

VEXO_UI_TEST_MAIN(FileListTest)
#include "tst_filelist.moc"
