#include "ui/PathChooser.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace vexo::ui {

PathChooser::PathChooser(const Kinds& kinds, QWidget* parent)
    : QFileDialog(parent), kinds_(kinds), saving_(false) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    if (!kinds.files)
        setFileMode(QFileDialog::Directory);
    else
        setFileMode(kinds.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
}

PathChooser::PathChooser(QWidget* parent) : QFileDialog(parent), saving_(true) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void PathChooser::setMessage(const QString& message) {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (message.isEmpty() || grid == nullptr)
        return;
    auto* label = new QLabel(message, this);
    label->setObjectName(QStringLiteral("messageLabel"));
    label->setWordWrap(true);
    grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
}

void PathChooser::accept() {
    if (!saving_ && selectionIsAcceptable()) {
        QDialog::accept();
        return;
    }
    QFileDialog::accept();
}

bool PathChooser::selectionIsAcceptable() const {
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty() || (!kinds_.multiple && chosen.size() > 1))
        return false;
    for (const QString& path : chosen) {
        const QFileInfo info(path);
        const bool wanted = info.isDir() ? kinds_.folders : (info.isFile() && kinds_.files);
        if (!wanted)
            return false;
    }
    return true;
}

} // namespace vexo::ui
