#pragma once

#include <QDialog>

namespace vexo::vault {
class Prompt;
}

namespace vexo::ui {

class GuideViewController;

// The tutorial: the first-run guide's introduction pages in a modal window
// of their own. The button on the last page closes it.
class WelcomeWindowController : public QDialog {
    Q_OBJECT
public:
    WelcomeWindowController(vault::Prompt& prompt, QWidget* parent = nullptr);

    GuideViewController* guide() const { return guide_; }

    // Closes the window and ends its modal run.
    void black();

private:
    GuideViewController* guide_;
};

} // namespace vexo::ui
