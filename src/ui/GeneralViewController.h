#pragma once

#include <QWidget>

namespace vexo::ui {

// The General preferences pane: the menu bar assistant's options, the idle
// lock, the lock-on-quit choice and the lock with the desktop session, as
// stored.
class GeneralViewController : public QWidget {
    Q_OBJECT
public:
    explicit GeneralViewController(QWidget* parent = nullptr);

    // True while the vault is to lock when the desktop session locks or the
    // computer is about to sleep; on until the user turns it off.
    static bool lockWithDesktopSession();
};

} // namespace vexo::ui
