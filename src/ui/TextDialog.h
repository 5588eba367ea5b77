#pragma once

#include <QDialog>

class QLineEdit;

namespace vexo::ui {

// A small modal question: a message, one line edit and a confirm and a
// cancel button. Return in the line edit confirms.
class TextDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString message;
        QString initialText;
        QString placeholder;
        QString confirmTitle;
        QString cancelTitle;
    };

    TextDialog(const Texts& texts, bool password, QWidget* parent = nullptr);

    QString text() const;

private:
    QLineEdit* textField_;
};

} // namespace vexo::ui
