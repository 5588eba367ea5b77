#include "UiTestMain.h"
#include "platform/Localization.h"
#include "ui/DialogPrompt.h"
#include "ui/PreferencesWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace vexo;

// The Advanced pane with the note on what overwriting cannot reach, in every
// language, inside the Preferences window's fixed size.
class AdvancedPaneTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setLanguage(); }

    void theEraseNoteFitsUnderThePopUp_data() {
        QTest::addColumn<QString>("code");
        QStringList codes;
        for (int index = 0; index <= 8; ++index)
            if (const QString code = platform::languageCodeForIndex(index); !codes.contains(code))
                codes << code;
        for (const QString& code : codes)
            QTest::newRow(qPrintable(code)) << code;
    }

    void theEraseNoteFitsUnderThePopUp() {
        QFETCH(QString, code);
        platform::setLanguageCode(code);
        ui::DialogPrompt prompt;
        ui::PreferencesWindowController window(prompt);
        window.show();
        window.toolBarItem(4)->trigger();
        QWidget* pane = window.contentPane();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const auto* note = pane->findChild<QLabel*>(QStringLiteral("advanced_eraseNote"));
        const auto* popUp = pane->findChild<QComboBox*>(QStringLiteral("eraseMethodPopUp"));
        const auto* nextBox = pane->findChild<QCheckBox*>(QStringLiteral("advanced_CheckBox2"));
        QVERIFY(note && popUp && nextBox);
        QVERIFY(note->isVisible());
        QVERIFY(note->wordWrap());
        QVERIFY(note->text().contains(QStringLiteral("Btrfs")));
        QVERIFY(note->geometry().top() >= popUp->geometry().bottom());
        QVERIFY(note->geometry().bottom() <= nextBox->geometry().top());

        // The pane's texts are as wide as their languages make them; its
        // height is what the note adds to.
        const int neededHeight = window.minimumSizeHint().height();
        QVERIFY2(neededHeight <= ui::PreferencesWindowController::kSize.height(),
                 qPrintable(QString::number(neededHeight)));
        const QRect inside = pane->rect();
        for (const QWidget* child : pane->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->parentWidget() != pane)
                continue;
            QVERIFY2(inside.contains(child->geometry()), qPrintable(child->objectName()));
            const int needed = child->hasHeightForWidth() ? child->heightForWidth(child->width())
                                                          : child->minimumSizeHint().height();
            QVERIFY2(child->height() >= needed, qPrintable(child->objectName()));
        }
    }
};

VEXO_UI_TEST_MAIN(AdvancedPaneTest)
#include "tst_advancedpane.moc"
