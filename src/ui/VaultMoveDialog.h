#pragma once

#include "vault/VaultMove.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vexo::ui {

// A modal window that moves the vault folder on a thread of its own and
// shows how much of it has been copied. It stays until the move has ended:
// Cancel and Escape ask the copy to stop, which leaves the vault where it
// was; any other close (the idle lock) waits for the move to end.
class VaultMoveDialog : public QDialog {
    Q_OBJECT
public:
    VaultMoveDialog(QString from, QString to, QWidget* parent = nullptr);
    ~VaultMoveDialog() override;

    // Moves the vault, recording the new place as the vault root, and tells
    // how it went.
    vault::VaultMoveResult run();

    const vault::VaultMoveProgress& progress() const { return progress_; }

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress();

    QString from_;
    QString to_;
    vault::VaultMoveProgress progress_;
    vault::VaultMoveResult result_;
    bool moveEnded_ = false;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
};

} // namespace vexo::ui
