#pragma once

#include <QKeySequence>
#include <QList>
#include <QWidget>

namespace vexo::ui {

// The Shortcuts preferences pane: the application's keyboard shortcuts, each
// beside the title of the command it runs.
class ShortcutsViewController : public QWidget {
    Q_OBJECT
public:
    // A row of the list: the command's title key and its keys.
    struct Shortcut {
        const char* titleKey;
        QKeySequence keys;
    };
    // The rows, in menu order; the same keys as the menu bar's items.
    static QList<Shortcut> shortcuts();

    explicit ShortcutsViewController(QWidget* parent = nullptr);
};

} // namespace vexo::ui
