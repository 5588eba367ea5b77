#pragma once

#include "vault/VaultMove.h"

#include <QWidget>

class QLabel;

namespace vexo::vault {
class MainViewController;
class Prompt;
} // namespace vexo::vault

namespace vexo::ui {

// The Advanced preferences pane: the erase and unhide options, as stored,
// and the vault's folder with the button that moves it.
class AdvancedViewController : public QWidget {
    Q_OBJECT
public:
    // controller, when there is one, is the open vault's: a move waits for
    // its work to end and tells it where the vault went.
    AdvancedViewController(vault::Prompt& prompt, vault::MainViewController* controller,
                           QWidget* parent = nullptr);

    // Asks where the vault folder goes and moves it there (see
    // vault::moveVaultFolder); a failure is told and changes nothing.
    void changeVaultPathAction();

private:
    bool refuseWhileWorkRuns();
    void tellMoveResult(const QString& to, const vault::VaultMoveResult& result);

    vault::Prompt& prompt_;
    vault::MainViewController* controller_;
    QLabel* vaultPathLabel_;
};

} // namespace vexo::ui
