#include "ui/ChangePasswordWController.h"

#include "access/PasswordChange.h"
#include "access/PasswordStore.h"
#include "access/PasswordStrength.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/FieldFrame.h"
#include "ui/Look.h"
#include "ui/ShakeRow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSequentialAnimationGroup>

namespace vexo::ui {
namespace {

using platform::localizedStringForKey;

constexpr QSize kFieldRowSize{280, 30};
constexpr int kLabelPoints = 13;

// The focused field's frame in the accent colour, the others in grey.
constexpr FrameBorders kFrameBorders{{80, 162, 246}, 2.0, {94, 93, 91}, 1.0};

QColor strengthColour(int level) {
    switch (level) {
    case 0:
        return {254, 123, 123};
    case 1:
        return {255, 190, 50};
    default:
        return {180, 225, 35};
    }
}

} // namespace

ChangePasswordWController::ChangePasswordWController(vault::Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prompt_(prompt), grid_(new QGridLayout), passwordHitField_(new QLineEdit),
      passwordLealLabel_(new QLabel), cancelBtn_(new QPushButton),
      changePasswordBtn_(new QPushButton) {
    setObjectName(QStringLiteral("changePasswordWindow"));
    fillBackground(this, kSidebarColour, Qt::white);
    setFixedSize(kSize);

    grid_->setContentsMargins(0, 18, 0, 12);
    grid_->setVerticalSpacing(6);
    oldPassword_ = addPasswordRow(QStringLiteral("oldPassword"),
                                  QStringLiteral("oldPasswordLabel.stringValue"));
    nowPassword_ = addPasswordRow(QStringLiteral("nowPassword"),
                                  QStringLiteral("nowPasswordLabel.stringValue"));
    verify_ = addPasswordRow(QStringLiteral("verify"), QStringLiteral("verifyLabel.stringValue"));
    addLabel(QStringLiteral("passwordHitLabel.stringValue"), grid_->rowCount());
    passwordHitField_->setObjectName(QStringLiteral("passwordHitField"));
    auto* hintFrame = new FieldFrame(passwordHitField_);
    hintFrame->setBorders(kFrameBorders);
    hintFrame->setFixedSize(kFieldRowSize.width() - 2 * ShakeRow::kShakeDistance,
                            kFieldRowSize.height());
    grid_->addWidget(hintFrame, grid_->rowCount() - 1, 1, Qt::AlignHCenter);

    passwordLealLabel_->setObjectName(QStringLiteral("passwordLealLabel"));
    passwordLealLabel_->setFont(designFont(kLabelPoints));
    cancelBtn_->setObjectName(QStringLiteral("cancelBtn"));
    cancelBtn_->setText(localizedStringForKey(QStringLiteral("Cancel.StringValue")));
    changePasswordBtn_->setObjectName(QStringLiteral("changePasswordBtn"));
    changePasswordBtn_->setText(localizedStringForKey(QStringLiteral("changePasswordBtn.title")));
    changePasswordBtn_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(passwordLealLabel_, 1);
    buttons->addWidget(cancelBtn_);
    buttons->addWidget(changePasswordBtn_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->setContentsMargins(20, 0, 20, 16);

    connect(cancelBtn_, &QPushButton::clicked, this, &ChangePasswordWController::cancelAction);
    connect(changePasswordBtn_, &QPushButton::clicked, this,
            &ChangePasswordWController::changePasswordAction);
    connect(nowPassword_.field, &QLineEdit::textChanged, this,
            &ChangePasswordWController::controlTextDidChange);
    applyTitle();
    oldPassword_.field->setFocus();
}

ChangePasswordWController::PasswordRow
ChangePasswordWController::addPasswordRow(const QString& name, const QString& labelKey) {
    const int row = grid_->rowCount();
    addLabel(labelKey, row);
    auto* field = new QLineEdit;
    field->setObjectName(name + QStringLiteral("Field"));
    field->setEchoMode(QLineEdit::Password);
    auto* frame = new FieldFrame(field);
    frame->setObjectName(name + QStringLiteral("BG"));
    frame->setBorders(kFrameBorders);
    auto* shakeRow = new ShakeRow(frame, kFieldRowSize);
    shakeRow->animation()->setObjectName(name + QStringLiteral("Shake"));
    grid_->addWidget(shakeRow, row, 1);
    return {field, shakeRow};
}

void ChangePasswordWController::addLabel(const QString& labelKey, int row) {
    auto* label = new QLabel(localizedStringForKey(labelKey));
    label->setFont(designFont(kLabelPoints));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->addWidget(label, row, 0);
}

void ChangePasswordWController::setDriveVault(const QString& vltName,
                                              const QString& groupOldPassword) {
    isChangeUpVltPassword_ = true;
    vltName_ = vltName;
    groupOldPassword_ = groupOldPassword;
    // Nothing to prove for a vault that was stored without a password.
    oldPassword_.field->setEnabled(!groupOldPassword.isEmpty());
    if (groupOldPassword.isEmpty())
        nowPassword_.field->setFocus();
    applyTitle();
}

void ChangePasswordWController::runOver(QWidget* mainWindow) {
    centreOver(this, mainWindow);
    exec();
}

void ChangePasswordWController::applyTitle() {
    setWindowTitle(isChangeUpVltPassword_ && !vltName_.isEmpty()
                       ? platform::localizedText(QStringLiteral("changeVltPassword"), {vltName_})
                       : localizedStringForKey(QStringLiteral("changePassword")));
}

QString ChangePasswordWController::expectedOldDigest() const {
    if (!isChangeUpVltPassword_)
        return access::storedPasswordDigest();
    return groupOldPassword_.isEmpty() ? access::passwordDigest(QString()) : groupOldPassword_;
}

void ChangePasswordWController::changePasswordAction() {
    const access::PasswordChangeRequest request{oldPassword_.field->text(),
                                                nowPassword_.field->text(), verify_.field->text(),
                                                passwordHitField_->text()};
    switch (access::checkPasswordChange(expectedOldDigest(), request)) {
    case access::PasswordChangeRefusal::WrongOldPassword:
        oldPassword_.row->shake();
        prompt_.alert({vault::Prompt::Style::Warning,
                       QStringLiteral("passwordFaileMessage.StringValue"),
                       {},
                       QStringLiteral("passwordSucInfomation.StringValue"),
                       {},
                       {QStringLiteral("PasswordSucOk.StringValue")}});
        return;
    case access::PasswordChangeRefusal::EmptyNewPassword:
        nowPassword_.row->shake();
        return;
    case access::PasswordChangeRefusal::VerifyMismatch:
        verify_.row->shake();
        return;
    case access::PasswordChangeRefusal::EmptyHint:
        return;
    case access::PasswordChangeRefusal::None:
        break;
    }
    if (isChangeUpVltPassword_) {
        changedPassword_ = request.newPassword;
        accept();
        return;
    }
    if (confirmMasterChange())
        storeMasterChange();
}

bool ChangePasswordWController::confirmMasterChange() {
    return prompt_.alert({vault::Prompt::Style::Warning,
                          QStringLiteral("passwordMessage.StringValue"),
                          {},
                          QStringLiteral("passwordInfomation.StringValue"),
                          {},
                          {QStringLiteral("ProceedAnyway.StringValue"),
                           QStringLiteral("Cancel.StringValue")}}) == 0;
}

void ChangePasswordWController::storeMasterChange() {
    const access::PasswordChangeRequest request{
        {}, nowPassword_.field->text(), verify_.field->text(), passwordHitField_->text()};
    if (!access::storeMasterPasswordChange(request)) {
        // The old password still opens the vault; the window stays for another try.
        qCWarning(lcVexo, "the new master password could not be stored");
        prompt_.alert({vault::Prompt::Style::Error,
                       QStringLiteral("passwordNotSaved.StringValue"),
                       {},
                       {},
                       {},
                       {QStringLiteral("PasswordSucOk.StringValue")}});
        return;
    }
    accept();
    if (access::passwordLevel(request.newPassword) == 0)
        prompt_.alert({vault::Prompt::Style::Warning,
                       QStringLiteral("passwordSucMessage.StringValue"),
                       {},
                       QStringLiteral("passwordSucInfomation.StringValue"),
                       {},
                       {QStringLiteral("PasswordSucOk.StringValue")}});
}

void ChangePasswordWController::cancelAction() {
    reject();
}

void ChangePasswordWController::controlTextDidChange() {
    const QString password = nowPassword_.field->text();
    if (password.isEmpty()) {
        passwordLealLabel_->clear();
        return;
    }
    const int level = access::passwordLevel(password);
    passwordLealLabel_->setText(access::passwordLevelLabel(level));
    QPalette colours = passwordLealLabel_->palette();
    colours.setColor(QPalette::WindowText, strengthColour(level));
    passwordLealLabel_->setPalette(colours);
}

} // namespace vexo::ui
