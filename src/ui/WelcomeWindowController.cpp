#include "ui/WelcomeWindowController.h"

#include "ui/GuideViewController.h"

#include <QVBoxLayout>

namespace vexo::ui {

WelcomeWindowController::WelcomeWindowController(vault::Prompt& prompt, QWidget* parent)
    : QDialog(parent), guide_(new GuideViewController(prompt, true, this)) {
    setObjectName(QStringLiteral("WelcomeWindowController"));
    setWindowOpacity(0.9);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(guide_);
    setFixedSize(GuideViewController::kContentSize);
    guide_->setBlackBlock([this] { black(); });
}

void WelcomeWindowController::black() {
    accept();
}

} // namespace vexo::ui
