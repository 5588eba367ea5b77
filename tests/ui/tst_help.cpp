#include "UiTestMain.h"
#include "platform/Localization.h"
#include "ui/HelpWindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace vexo;

namespace {

// The anchors of the page at url, in order: the sections it has.
QStringList anchorsOf(const QUrl& page) {
    QFile file(u':' + page.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""));
    QStringList names;
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setLanguage(); }

    void everyShippedLanguageHasAWholeHelpPage_data() {
        QTest::addColumn<QString>("code");
        QStringList codes;
        for (int index = 0; index <= 8; ++index)
            if (const QString code = platform::languageCodeForIndex(index); !codes.contains(code))
                codes << code;
        for (const QString& code : codes) {
            QVERIFY(platform::languageIsShipped(code));
            QTest::newRow(qPrintable(code)) << code;
        }
    }
    void everyShippedLanguageHasAWholeHelpPage() {
        QFETCH(QString, code);
        platform::setLanguageCode(code);
        const QUrl page = ui::helpPageUrl();
        QCOMPARE(page.fileName(), QStringLiteral("help.%1.html").arg(code));
        const QStringList english = anchorsOf(QUrl(QStringLiteral("qrc:/help/help.en.html")));
        QVERIFY(english.size() >= 10);
        QCOMPARE(anchorsOf(page), english);

        ui::HelpWindow window;
        window.showPage(page);
        QVERIFY(window.isVisible());
        QVERIFY(window.windowTitle().contains(u"Vexo"));
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("vexo-cli verify")));
    }

    void aLanguageWithoutItsOwnPageShowsTheEnglishOne() {
        platform::setLanguageCode(QStringLiteral("xx"));
        QCOMPARE(ui::helpPageUrl(), QUrl(QStringLiteral("qrc:/help/help.en.html")));
    }
};

VEXO_UI_TEST_MAIN(HelpTest)
#include "tst_help.moc"
