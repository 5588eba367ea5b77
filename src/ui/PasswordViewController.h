#pragma once

#include "vault/Prompt.h"

#include <QWidget>

namespace vexo::ui {

// The Password preferences pane: the backup lock option, as stored, and the
// way to the change-password window for the master password.
class PasswordViewController : public QWidget {
    Q_OBJECT
public:
    // prompt answers the change-password window.
    explicit PasswordViewController(vault::Prompt& prompt, QWidget* parent = nullptr);

    // Opens the change-password window in master mode over this pane's window
    // and runs it until it closes.
    void enterChangePassword();

private:
    vault::Prompt& prompt_;
};

} // namespace vexo::ui
