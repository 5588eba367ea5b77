#include "ui/loginViewcontroller.h"

#include "access/PasswordStore.h"
#include "platform/Localization.h"
#include "ui/FieldFrame.h"
#include "ui/KbPopoverViewController.h"
#include "ui/PictureButton.h"
#include "ui/ShakeRow.h"
#include "ui/TurningPicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSequentialAnimationGroup>
#include <QVBoxLayout>

#include <numbers>

namespace vexo::ui {
namespace {

constexpr QSize kPasswordRowSize{280, 34};
constexpr int kEnterButtonSide = 30;
constexpr int kPasswordPointSize = 13;

// The lock turns to 2π/n with n from 1 to 3, never the same n twice running.
qint64 nextLoginTurnDivisor(qint64 previous) {
    qint64 n = QRandomGenerator::global()->bounded(1, 4);
    while (n == previous)
        n = QRandomGenerator::global()->bounded(2, 4);
    return n;
}

} // namespace

loginViewcontroller::loginViewcontroller(QWidget* parent)
    : QWidget(parent), appNameLabel_(new QLabel(this)),
      loginView_(new TurningPicture(QStringLiteral("About/loginLock.png"), this)),
      passwordTextField_(new QLineEdit), pswdTishiLabel_(new QLabel(this)) {
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(44, 44, 47));
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);

    passwordTextField_->setObjectName(QStringLiteral("passwordTextField"));
    passwordTextField_->setEchoMode(QLineEdit::Password);
    passwordBackGroundView_ = new FieldFrame(passwordTextField_);
    passwordBackGroundView_->setObjectName(QStringLiteral("passwordBackGroundView"));
    passwordRow_ = new ShakeRow(passwordBackGroundView_, kPasswordRowSize, this);
    passwordRow_->animation()->setObjectName(QStringLiteral("passwordShake"));
    enterBtn_ = new PictureButton(passwordBackGroundView_);
    enterBtn_->setObjectName(QStringLiteral("enterBtn"));
    enterBtn_->setFixedSize(kEnterButtonSide, kEnterButtonSide - 6);
    enterBtn_->setIconSize(QSize(20, 20));
    passwordBackGroundView_->layout()->addWidget(enterBtn_);

    loginView_->setObjectName(QStringLiteral("loginView"));
    loginView_->setFixedSize(120, 120);
    QFont nameFont = appNameLabel_->font();
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    appNameLabel_->setFont(nameFont);
    QPalette grey = pswdTishiLabel_->palette();
    grey.setColor(QPalette::WindowText, QColor(186, 186, 189));
    pswdTishiLabel_->setPalette(grey);
    pswdTishiLabel_->setWordWrap(true);
    pswdTishiLabel_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 20, 10, 20);
    layout->addStretch(1);
    layout->addWidget(loginView_, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(appNameLabel_, 0, Qt::AlignHCenter);
    layout->addSpacing(18);
    layout->addWidget(passwordRow_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(pswdTishiLabel_);
    layout->addStretch(1);

    connect(passwordTextField_, &QLineEdit::textEdited, this,
            &loginViewcontroller::controlTextDidChange);
    connect(passwordTextField_, &QLineEdit::returnPressed, this, &loginViewcontroller::enterAction);
    connect(enterBtn_, &QPushButton::clicked, this, &loginViewcontroller::releaseEnterButton);

    enterBtn_->setPicture(QStringLiteral("About/PasswordHintIconMenu@2x.png"));
    resize(kContentSize);
    applyTexts();
}

void loginViewcontroller::enterAction() {
    if (popover_)
        popover_->hide();
    if (access::matchesStoredPassword(passwordTextField_->text())) {
        errorCount_ = 0;
        emit unlocked();
        return;
    }
    ++errorCount_;
    passwordRow_->shake();
    if (errorCount_ >= kHintFromAttempt)
        poper(passwordBackGroundView_);
}

void loginViewcontroller::poper(QWidget* anchor) {
    if (!popover_)
        popover_ = new HintPopover(this);
    popover_->content()->setErrorCount(errorCount_);
    popover_->showBelow(anchor);
}

void loginViewcontroller::controlTextDidChange() {
    enterBtn_->setPicture(passwordTextField_->text().isEmpty()
                              ? QStringLiteral("About/PasswordHintIconMenu@2x.png")
                              : QStringLiteral("About/loginOk.png"));
    turnLock();
}

void loginViewcontroller::langeuageAction() {
    applyTexts();
    if (popover_)
        popover_->content()->reloadTexts();
}

bool loginViewcontroller::isHintShown() const {
    return popover_ && popover_->isVisible();
}

KbPopoverViewController* loginViewcontroller::mypopoverView() const {
    return popover_ ? popover_->content() : nullptr;
}

void loginViewcontroller::releaseEnterButton() {
    if (passwordTextField_->text().isEmpty())
        poper(passwordTextField_);
    else
        enterAction();
}

void loginViewcontroller::turnLock() {
    flagValue_ = nextLoginTurnDivisor(flagValue_);
    const auto end = static_cast<float>(2 * std::numbers::pi / static_cast<double>(flagValue_));
    loginView_->turn(animationFlagValue_, end);
    animationFlagValue_ = end;
}

void loginViewcontroller::applyTexts() {
    using platform::localizedStringForKey;
    appNameLabel_->setText(localizedStringForKey(QStringLiteral("AppName.text")));
    QFont fieldFont = passwordTextField_->font();
    fieldFont.setPointSize(kPasswordPointSize);
    passwordTextField_->setFont(fieldFont);
    passwordTextField_->setPlaceholderText(
        localizedStringForKey(QStringLiteral("passwordTextField.placeholderString")));
    pswdTishiLabel_->setText(
        localizedStringForKey(QStringLiteral("passwordtishiLabelstringValue")));
}

} // namespace vexo::ui
