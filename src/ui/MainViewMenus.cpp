// The file list's menus and row commands of the main view.
#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/gui/Reveal.h"
#include "ui/FileInfoWindow.h"
#include "ui/FileListModel.h"
#include "ui/Look.h"
#include "ui/MainView.h"
#include "ui/MenuEntries.h"
#include "ui/ProgressPanel.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace vexo::ui {

QMenu* MainView::applicationDockMenu(QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    // Sorting by state needs the hidden flags of the local vault's items.
    const bool stateSortOffered =
        controller_.selectGroupIndex <= controller_.catalogue().groupDirList.size();
    for (int tag = 1; tag <= 8; ++tag) {
        if (tag == 7)
            menu->addSeparator();
        addSortEntry(menu, QStringLiteral("SortbyItem%1").arg(tag), tag,
                     tag <= 6 ? controller_.sortType == tag : controller_.isAscending == (tag == 7),
                     tag != 5 || stateSortOffered,
                     [this](int chosen, const QString& title) { sortpopAction(chosen, title); });
    }
    return menu;
}

void MainView::sortpopAction(int tag, const QString& title) {
    if (tag == 7 || tag == 8)
        controller_.isAscending = tag == 7;
    else
        controller_.sortType = tag;
    sortBtn_->setText(platform::localizedText(QStringLiteral("SortBtn.title"), {title}));
    setRightScrollView();
    emit userActed();
}

QMenu* MainView::file_itemMenu(QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    const store::FileModelPtr item = controller_.selectedItem();
    const bool hidesAll = controller_.doFileType == 1 || controller_.doFileType == 2;
    addKeyedEntry(menu, hidesAll ? QStringLiteral("file_Item1") : QStringLiteral("file_Item0"), 1);
    menu->addSeparator();
    if (QAction* hide = addKeyedEntry(menu, QStringLiteral("file_Item2"), 2))
        hide->setEnabled(item != nullptr && !item->isEncrtypt);
    if (QAction* unhide = addKeyedEntry(menu, QStringLiteral("file_Item3"), 3))
        unhide->setEnabled(item != nullptr && item->isEncrtypt);
    menu->addSeparator();
    if (QAction* remove = addKeyedEntry(menu, QStringLiteral("file_Item4"), 4))
        remove->setEnabled(item != nullptr);
    for (QAction* entry : menu->actions())
        if (!entry->isSeparator())
            connect(entry, &QAction::triggered, this,
                    [this, tag = entry->data().toInt(), title = entry->text()] {
                        file_popAction(tag, title);
                    });
    return menu;
}

void MainView::file_popAction(int tag, const QString& title) {
    switch (tag) {
    case 1:
        progressView_->addAnimation();
        controller_.UnhideFileOrHideFileAction();
        break;
    case 2:
        controller_.hideItemAction();
        break;
    case 3:
        controller_.unHideItemAction();
        break;
    case 4:
        if (const store::FileModelPtr item = controller_.selectedItem())
            controller_.removeItemFromList(item);
        break;
    default:
        return;
    }
    if (tag > 1) {
        controller_.doFileType = tag;
        rightBottom_leftBtn_->setText(title);
    }
    emit userActed();
}

QMenu* MainView::groupChildFile_Menu(int row, QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    const store::FileModelPtr item = fileModel_->itemAt(row);
    if (item == nullptr)
        return menu;
    const bool hidden = item->isEncrtypt;
    connect(addKeyedEntry(menu,
                          hidden ? QStringLiteral("groupChildFile_Item0")
                                 : QStringLiteral("groupChildFile_Item1"),
                          1),
            &QAction::triggered, this, [this, item] {
                controller_.visableChange(item);
                emit userActed();
            });
    menu->addSeparator();
    connect(addKeyedEntry(menu, QStringLiteral("groupChildFile_Item2"), 2), &QAction::triggered,
            this, [this, row] { openFileInfo(row); });
    QAction* reveal = addKeyedEntry(menu, QStringLiteral("groupChildFile_Item3"), 3);
    reveal->setEnabled(!hidden);
    connect(reveal, &QAction::triggered, this, [this, row] { revealRow(row); });
    menu->addSeparator();
    connect(addKeyedEntry(menu, QStringLiteral("groupChildFile_Item4"), 4), &QAction::triggered,
            this, [this, row] { removeRow(row); });
    return menu;
}

void MainView::selectRow(int row) {
    controller_.selectItemAt(row);
    fileModel_->setSelectedRow(row);
    refreshFileTypeTitle();
    // The menu bar's hide and unhide follow the selected item.
    emit itemSelectionChanged();
    emit userActed();
}

void MainView::toggleRow(int row) {
    const store::FileModelPtr item = fileModel_->itemAt(row);
    if (item == nullptr || busy())
        return;
    pendingToggle_ = item;
    togglePause_->start();
}

void MainView::revealRow(int row) {
    const store::FileModelPtr item = fileModel_->itemAt(row);
    if (item == nullptr)
        return;
    if (fileModel_->data(fileModel_->index(row), FileListModel::ProgressRole).toFloat() > 0) {
        controller_.encryptCancelBtnAction();
        return;
    }
    // A hidden item has no place to show yet.
    if (busy() || item->isEncrtypt)
        return;
    qCInfo(lcVexo, "open file of path");
    platform::revealInFileManager(item->path);
}

void MainView::openFileInfo(int row) {
    if (const store::FileModelPtr item = fileModel_->itemAt(row)) {
        FileInfoWindow window(*item, icons_.iconFor(*item), this);
        window.runOver(this->window());
    }
}

void MainView::removeRow(int row) {
    if (const store::FileModelPtr item = fileModel_->itemAt(row))
        controller_.removeItemFromList(item);
    emit userActed();
}

} // namespace vexo::ui
