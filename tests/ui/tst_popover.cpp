#include "UiTestMain.h"
#include "access/PasswordStore.h"
#include "platform/Localization.h"
#include "ui/KbPopoverViewController.h"

#include <QLabel>
#include <QLineEdit>

using namespace vexo;

namespace {

const QString kHint = QStringLiteral("first pet, then year");

QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

} // namespace

class PopoverTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        test::clearSettings();
        access::replacePasswordHint(kHint);
    }

    // Below six wrong attempts the stored hint shows; from six on the notice.
    void theCountChoosesHintOrNotice_data() {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<bool>("notice");
        QTest::newRow("5") << qint64(5) << false;
        QTest::newRow("6") << qint64(6) << true;
        QTest::newRow("1000") << qint64(1000) << true;
    }

    void theCountChoosesHintOrNotice() {
        QFETCH(qint64, count);
        QFETCH(bool, notice);
        ui::KbPopoverViewController content;
        content.setErrorCount(count);
        QCOMPARE(content.errorCount(), count);
        QCOMPARE(content.titleLabel()->text(), notice ? text("passwordhint1.placeholderString")
                                                      : text("passwordhint.placeholderString"));
        QCOMPARE(content.passwordhintLabel()->text(), notice ? text("passwordkeyphale") : kHint);
        QCOMPARE(content.size(), notice ? QSize(300, 118) : QSize(300, 79));
    }

    void reusedContentFollowsTheLatestHintAndCount() {
        ui::KbPopoverViewController content;
        content.setErrorCount(7);
        access::replacePasswordHint(QStringLiteral("<b>not markup</b>"));
        content.setErrorCount(4);
        QCOMPARE(content.passwordhintLabel()->text(), QStringLiteral("<b>not markup</b>"));
        QCOMPARE(content.passwordhintLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(content.size(), QSize(300, 79));
        access::replacePasswordHint(QString());
        content.reloadTexts();
        QCOMPARE(content.passwordhintLabel()->text(), QString());
    }

    void thePopoverOpensBelowItsAnchorWithoutTakingTheFocus() {
        QWidget window;
        auto* anchor = new QLineEdit(&window);
        anchor->setGeometry(40, 60, 200, 30);
        window.resize(300, 354);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::HintPopover popover(&window);
        popover.content()->setErrorCount(6);
        popover.showBelow(anchor);
        QVERIFY(popover.isVisible());
        QCOMPARE(popover.size(), QSize(300, 118));
        const QPoint anchorBottom =
            anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
        QCOMPARE(popover.geometry().top(), anchorBottom.y());
        QCOMPARE(popover.x() + popover.width() / 2, anchorBottom.x());
        QVERIFY(popover.testAttribute(Qt::WA_ShowWithoutActivating));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!popover.isVisible());
    }
};

VEXO_UI_TEST_MAIN(PopoverTest)
#include "tst_popover.moc"
