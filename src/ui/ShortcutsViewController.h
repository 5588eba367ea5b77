#pragma once

#include <QWidget>

namespace vexo::ui {

// The Shortcuts preferences pane: the menu bar's keyboard shortcuts, each
// beside the title of the command it runs, in menu order.
class ShortcutsViewController : public QWidget {
    Q_OBJECT
public:
    explicit ShortcutsViewController(QWidget* parent = nullptr);
};

} // namespace vexo::ui
