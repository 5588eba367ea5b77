#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace vexo::ui {

// The address of the help page in the current language: the text of the key
// "kHelpUrl". A page of the application's own that is not there gives way to
// the English one.
QUrl helpPageUrl();

// A window of its own that shows the application's help pages; links to
// other sites open in the web browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows page and brings the window to the front.
    void showPage(const QUrl& page);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace vexo::ui
