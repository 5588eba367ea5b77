#include "ui/HelpWindow.h"

#include "platform/Localization.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vexo::ui {
namespace {

const QUrl kEnglishPage(QStringLiteral("qrc:/help/help.en.html"));

bool isMissingOwnPage(const QUrl& page) {
    return page.scheme() == u"qrc" && !QFile::exists(u':' + page.path());
}

} // namespace

QUrl helpPageUrl() {
    const QUrl page(platform::localizedStringForKey(QStringLiteral("kHelpUrl")));
    if (!page.isValid() || page.isRelative() || isMissingOwnPage(page))
        return kEnglishPage;
    return page;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
    resize(720, 640);
}

void HelpWindow::showPage(const QUrl& page) {
    browser_->setSource(page);
    show();
    raise();
    activateWindow();
}

} // namespace vexo::ui
