// The group sidebar's rows, menu and commands of the main view.
#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/ChangePasswordWController.h"
#include "ui/GroupSidebarModel.h"
#include "ui/GroupSidebarView.h"
#include "ui/Look.h"
#include "ui/MainView.h"
#include "ui/MenuEntries.h"

#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace vexo::ui {
namespace {

// The header and add rows of a drive vault carry its key; the local vault's
// and the notes' carry their fixed names.
bool isDriveVaultKey(const QString& groupName) {
    return !groupName.isEmpty() && groupName != store::kSystemDevicName &&
           groupName != store::kSystemDevicNoteName;
}

} // namespace

void MainView::connectSidebar() {
    connect(&controller_, &vault::MainViewController::selectionChanged, this,
            &MainView::setLeftScrollView);
    // A rename ends inside the name field's own handling; the rows are made
    // anew after it.
    connect(&controller_.catalogue(), &vault::VaultCatalogue::listsChanged, this,
            &MainView::setLeftScrollView, Qt::QueuedConnection);
    connect(&controller_.catalogue(), &vault::VaultCatalogue::driveVaultsDropped, this,
            &MainView::setLeftScrollView);
    connect(groupScrollView_, &GroupSidebarView::rowClicked, this, &MainView::groupRowClicked);
    connect(groupScrollView_, &GroupSidebarView::contextMenuAsked, this,
            [this](int row, const QPoint& at) {
                const vault::SidebarRow* clicked = sidebarModel_->rowAt(row);
                if (clicked == nullptr)
                    return;
                if (clicked->canSelected)
                    showMenu(group_itemMenu(row, this), at);
                else if (isDriveVaultKey(clicked->groupName))
                    showMenu(driveVaultMenu(row, this), at);
            });
}

void MainView::setLeftScrollView() {
    sidebarModel_->rebuild();
    startNameEditing();
}

void MainView::startNameEditing() {
    const int editing = sidebarModel_->editingRow();
    if (editing < 0)
        return;
    // The field takes the focus once the rows are laid out.
    QTimer::singleShot(0, groupScrollView_, [this, editing] {
        groupScrollView_->edit(sidebarModel_->index(editing));
        if (auto* field = groupScrollView_->findChild<QLineEdit*>(QStringLiteral("groupNameLabel")))
            field->selectAll();
    });
}

void MainView::groupRowClicked(int row) {
    const vault::SidebarRow* clicked = sidebarModel_->rowAt(row);
    if (clicked == nullptr || clicked->isHeader)
        return;
    // The rows are made anew as soon as the selection moves.
    const vault::SidebarRow chosen = *clicked;
    searchTextField_->clear();
    if (chosen.isAddItem)
        controller_.createGroup(chosen.groupName);
    else
        controller_.select(chosen.groupName, chosen.groupRow);
    emit userActed();
}

QMenu* MainView::driveVaultMenu(int row, QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    QAction* entry =
        menu->addAction(platform::localizedStringForKey(QStringLiteral("changePassword")));
    connect(entry, &QAction::triggered, this, [this, row] { changePasswordAction(row); });
    return menu;
}

void MainView::changePasswordAction(int row) {
    const vault::SidebarRow* clicked = sidebarModel_->rowAt(row);
    const QString key = clicked == nullptr ? QString() : clicked->groupName;
    const auto vault = controller_.catalogue().UPLibrary.constFind(key);
    if (vault == controller_.catalogue().UPLibrary.constEnd() || vault->isEmpty())
        return;
    ChangePasswordWController window(controller_.catalogue().prompt(), this);
    window.setDriveVault(key.section(QLatin1Char('/'), -1), vault->first()->password);
    window.runOver(this->window());
    emit userActed();
    const std::optional<QString>& changed = window.changedPassword();
    if (!changed || changed->isEmpty())
        return;
    if (!controller_.changeDriveVaultPassword(key, *changed))
        controller_.catalogue().prompt().alert({vault::Prompt::Style::Warning,
                                                QStringLiteral("drivePasswordNotSaved"),
                                                {key},
                                                {},
                                                {},
                                                {QStringLiteral("PasswordSucOk.StringValue")}});
}

QMenu* MainView::group_itemMenu(int row, QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    const vault::SidebarRow* clicked = sidebarModel_->rowAt(row);
    // The "all" group keeps its name and cannot go.
    const bool fixedGroup = clicked->groupRow == 1;
    for (int tag = 1; tag <= 4; ++tag) {
        if (tag == 2 || tag == 4)
            menu->addSeparator();
        QAction* entry = menu->addAction(
            platform::localizedStringForKey(QStringLiteral("group_Item%1").arg(tag)));
        entry->setEnabled(!(fixedGroup && (tag == 2 || tag == 3)));
        connect(entry, &QAction::triggered, this, [this, tag, row] { group_popAction(tag, row); });
    }
    return menu;
}

void MainView::group_popAction(int tag, int row) {
    const vault::SidebarRow* clicked = sidebarModel_->rowAt(row);
    if (clicked == nullptr)
        return;
    const vault::SidebarRow chosen = *clicked;
    switch (tag) {
    case 1:
        qCInfo(lcVexo, "隐藏本组文件夹");
        if (chosen.groupName == store::kSystemDevicName)
            controller_.hiddenAllItemFileModel(chosen.groupRow);
        else if (!chosen.isGroupNote) {
            controller_.select(chosen.groupName, chosen.groupRow);
            controller_.hiddenUPAllItemFileModel(chosen.groupRow);
        }
        break;
    case 2:
        qCInfo(lcVexo, "重命名文件夹");
        chosen.group->isEditing = true;
        setLeftScrollView();
        break;
    case 3:
        if (controller_.deleteGroup(chosen.groupName, chosen.groupRow)) {
            setLeftScrollView();
            setRightScrollView();
        }
        break;
    case 4:
        qCInfo(lcVexo, "新建文件夹");
        searchTextField_->clear();
        controller_.createGroup(chosen.groupName);
        break;
    default:
        return;
    }
    emit userActed();
}

} // namespace vexo::ui
