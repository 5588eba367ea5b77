#pragma once

#include "vault/Prompt.h"

#include <QDialog>

#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexo::ui {

class FieldFrame;
class ShakeRow;

// The change-password window. In master mode it replaces the master password
// and its hint in the settings after a confirmation; in drive mode it only
// hands the new password back (changedPassword) for the caller to store as
// the drive vault's. The old password is compared by its digest; a refused
// entry shakes the field to correct, and only a wrong old password says why.
class ChangePasswordWController : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{436, 270};

    explicit ChangePasswordWController(vault::Prompt& prompt, QWidget* parent = nullptr);

    // Drive mode, for the drive vault vltName whose stored password digest is
    // groupOldPassword. A vault stored without a password asks for no old one.
    void setDriveVault(const QString& vltName, const QString& groupOldPassword);
    bool isChangeUpVltPassword() const { return isChangeUpVltPassword_; }
    // Drive mode's result: the new password as typed; empty until a change
    // was accepted.
    const std::optional<QString>& changedPassword() const { return changedPassword_; }

    // Centres the window over mainWindow and runs it until it closes.
    void runOver(QWidget* mainWindow);

    // The change button.
    void changePasswordAction();
    // The cancel button: closes the window, changing nothing.
    void cancelAction();
    // The new password changed: its strength is shown.
    void controlTextDidChange();

private:
    // A password field in its frame, in a row that can shake it.
    struct PasswordRow {
        QLineEdit* field = nullptr;
        ShakeRow* row = nullptr;
    };

    PasswordRow addPasswordRow(const QString& name, const QString& labelKey);
    void addLabel(const QString& labelKey, int row);
    QString expectedOldDigest() const;
    bool confirmMasterChange();
    void storeMasterChange();
    void applyTitle();

    vault::Prompt& prompt_;
    bool isChangeUpVltPassword_ = false;
    QString vltName_;
    QString groupOldPassword_;
    std::optional<QString> changedPassword_;

    QGridLayout* grid_;
    PasswordRow oldPassword_;
    PasswordRow nowPassword_;
    PasswordRow verify_;
    QLineEdit* passwordHitField_;
    QLabel* passwordLealLabel_;
    QPushButton* cancelBtn_;
    QPushButton* changePasswordBtn_;
};

} // namespace vexo::ui
