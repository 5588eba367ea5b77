#pragma once

#include <QWidget>

namespace vexo::ui {

// The General preferences pane: the menu bar assistant's options, the idle
// lock and the lock-on-quit choice, as stored.
class GeneralViewController : public QWidget {
    Q_OBJECT
public:
    explicit GeneralViewController(QWidget* parent = nullptr);
};

} // namespace vexo::ui
