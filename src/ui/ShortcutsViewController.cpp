#include "ui/ShortcutsViewController.h"

#include "platform/Localization.h"
#include "ui/Look.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vexo::ui {

QList<ShortcutsViewController::Shortcut> ShortcutsViewController::shortcuts() {
    using Keys = QKeySequence;
    return {
        {"ProMenuItem2.title", Keys(Qt::CTRL | Qt::Key_Comma)},
        {"ProMenuItem3.title", Keys(Keys::Quit)},
        {"FilemenuItem1.title", Keys(Keys::Open)},
        {"FilemenuItem2.title", Keys(Keys::New)},
        {"FilemenuItem3.title", Keys(Qt::CTRL | Qt::Key_H)},
        {"FilemenuItem4.title", Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
        {"EditmenuItem1.title", Keys(Keys::Undo)},
        {"EditmenuItem2.title", Keys(Keys::Redo)},
        {"EditmenuItem3.title", Keys(Keys::Cut)},
        {"EditmenuItem4.title", Keys(Keys::Copy)},
        {"EditmenuItem5.title", Keys(Keys::Paste)},
        {"EditmenuItem7.title", Keys(Keys::SelectAll)},
        {"Edit-FindMenuItem1.title", Keys(Keys::Find)},
        {"Format-FontMenuItem1.text", Keys(Keys::Bold)},
        {"Format-FontMenuItem2.text", Keys(Keys::Italic)},
        {"Format-FontMenuItem3.text", Keys(Keys::Underline)},
        {"Format-FontMenuItem4.text", Keys(Qt::CTRL | Qt::Key_Plus)},
        {"Format-FontMenuItem5.text", Keys(Qt::CTRL | Qt::Key_Minus)},
        {"Format-FontMenuItem10.text", Keys(Qt::CTRL | Qt::Key_T)},
        {"Format-FontMenuItem11.text", Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"Format-TextMenuItem1.text", Keys(Qt::CTRL | Qt::Key_BraceLeft)},
        {"Format-TextMenuItem2.text", Keys(Qt::CTRL | Qt::Key_Bar)},
        {"Format-TextMenuItem3.text", Keys(Qt::CTRL | Qt::Key_BraceRight)},
        {"PasswordMenuItem1.title", Keys(Qt::CTRL | Qt::Key_L)},
        {"WindowMenuItem1.title", Keys(Qt::CTRL | Qt::Key_M)},
        {"WindowMenuItem3.title", Keys(Keys::FullScreen)},
        {"HelpMenuItem1.title", Keys(Keys::HelpContents)},
    };
}

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
    for (const Shortcut& shortcut : shortcuts()) {
        // A standard command the desktop gives no keys has no row.
        if (shortcut.keys.isEmpty())
            continue;
        new QTreeWidgetItem(
            list, {platform::localizedStringForKey(QString::fromLatin1(shortcut.titleKey)),
                   shortcut.keys.toString(QKeySequence::NativeText)});
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 8, 24, 8);
    layout->addWidget(list);
}

} // namespace vexo::ui
