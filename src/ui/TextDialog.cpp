#include "ui/TextDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexo::ui {

TextDialog::TextDialog(const Texts& texts, bool password, QWidget* parent)
    : QDialog(parent), textField_(new QLineEdit(texts.initialText, this)) {
    setModal(true);
    auto* message = new QLabel(texts.message, this);
    message->setObjectName(QStringLiteral("messageLabel"));
    message->setWordWrap(true);

    textField_->setObjectName(QStringLiteral("textField"));
    textField_->setPlaceholderText(texts.placeholder);
    textField_->setMinimumSize(200, 24);
    textField_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    textField_->selectAll();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* confirm = buttons->addButton(texts.confirmTitle, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(texts.cancelTitle, QDialogButtonBox::RejectRole);
    confirm->setObjectName(QStringLiteral("confirmButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    confirm->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(textField_);
    layout->addWidget(buttons);
    textField_->setFocus();
}

QString TextDialog::text() const {
    return textField_->text();
}

} // namespace vexo::ui
