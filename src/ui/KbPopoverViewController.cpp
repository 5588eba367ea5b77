#include "ui/KbPopoverViewController.h"

#include "access/PasswordStore.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace vexo::ui {

KbPopoverViewController::KbPopoverViewController(QWidget* parent)
    : QWidget(parent), titleLabel_(new QLabel(this)), passwordhintLabel_(new QLabel(this)) {
    // The popover keeps the light look whatever the application's look.
    setAutoFillBackground(true);
    QPalette light = palette();
    light.setColor(QPalette::Window, QColor(246, 246, 246));
    light.setColor(QPalette::WindowText, QColor(30, 30, 30));
    setPalette(light);

    QFont titleFont = titleLabel_->font();
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    passwordhintLabel_->setWordWrap(true);
    passwordhintLabel_->setTextFormat(Qt::PlainText);
    passwordhintLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(titleLabel_);
    layout->addWidget(passwordhintLabel_, 1);
    reloadTexts();
}

void KbPopoverViewController::setErrorCount(qint64 count) {
    errorCount_ = count;
    reloadTexts();
}

void KbPopoverViewController::reloadTexts() {
    using platform::localizedStringForKey;
    const bool replaced = errorCount_ >= kReplacementFromAttempt;
    titleLabel_->setText(
        localizedStringForKey(replaced ? QStringLiteral("passwordhint1.placeholderString")
                                       : QStringLiteral("passwordhint.placeholderString")));
    passwordhintLabel_->setText(replaced ? localizedStringForKey(QStringLiteral("passwordkeyphale"))
                                         : access::passwordHint());
    setFixedSize(replaced ? kReplacementSize : kHintSize);
}

HintPopover::HintPopover(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint),
      content_(new KbPopoverViewController(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(content_);
}

void HintPopover::showBelow(const QWidget* anchor) {
    adjustSize();
    const QPoint below = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    move(below.x() - width() / 2, below.y());
    show();
}

bool HintPopover::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        hide();
    return false;
}

void HintPopover::showEvent(QShowEvent* event) {
    qApp->installEventFilter(this);
    QWidget::showEvent(event);
}

void HintPopover::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

} // namespace vexo::ui
