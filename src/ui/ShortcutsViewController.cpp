#include "ui/ShortcutsViewController.h"

#include "ui/Look.h"
#include "ui/MenuBar.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vexo::ui {

namespace {

// The titled items of actions that have keys, submenus included, in menu
// order.
void addShortcutRows(const QList<QAction*>& actions, QTreeWidget* list) {
    for (const QAction* action : actions) {
        if (action->menu() != nullptr)
            addShortcutRows(action->menu()->actions(), list);
        else if (!action->shortcut().isEmpty())
            new QTreeWidgetItem(
                list, {action->text(), action->shortcut().toString(QKeySequence::NativeText)});
    }
}

} // namespace

ShortcutsViewController::ShortcutsViewController(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ShortcutsViewController"));
    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("shortcutList"));
    list->setColumnCount(2);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFrameShape(QFrame::NoFrame);
    list->setFont(designFont(12));
    QPalette dark = list->palette();
    dark.setColor(QPalette::Base, kSidebarColour);
    dark.setColor(QPalette::Text, Qt::white);
    list->setPalette(dark);
    // The menu bar holds the keys; its items' titles are in the current
    // language.
    const MenuBar bar;
    addShortcutRows(bar.actions(), list);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 8, 24, 8);
    layout->addWidget(list);
}

} // namespace vexo::ui
