#include "UiTestMain.h"
#include "platform/Localization.h"
#include "ui/PictureButton.h"

#include <QPixmap>
#include <QWindow>

using vexo::platform::imagePathWithfileName;
using vexo::platform::localizedStringForKey;

// Every picture the screens name is built into the resources, is found by
// its name and has the size the screens lay out for it.
class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyNamedPictureLoadsAtItsSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("points");
        QTest::addColumn<int>("scale");
        const QSize titleButton(14, 14);
        const QList<std::tuple<const char*, QSize, int>> rows = {
            {"About/loginLock.png", {120, 120}, 1},
            {"About/loginOk.png", {28, 28}, 1},
            {"About/PasswordHintIconMenu@2x.png", {28, 28}, 2},
            {"About/PasswordHintIconMenu", {28, 28}, 2},
            {"img/step_1_x2.png", {640, 360}, 1},
            {"img/step_2_x2.png", {640, 360}, 1},
            {"img/step_3_x2.png", {640, 360}, 1},
            {"img/step_5_x2.png", {640, 360}, 1},
            {"About/LockButtonIcon.png", {14, 14}, 1},
            {"About/daosanjiao.png", {10, 6}, 1},
            {"About/searchBarIcon.png", {14, 14}, 1},
            {"About/DropArrow@2x.png", {160, 160}, 2},
            {"About/NotesPlaceholder@2x.png", {120, 120}, 2},
            {"About/ActivityCancel.png", {14, 14}, 1},
            {"About/addFileBtn.png", {20, 20}, 1},
            {"About/AddGroupForUP.png", {20, 20}, 1},
            {"About/DropDownMenuIcon.png", {20, 20}, 1},
            {"About/openPath.png", {14, 14}, 1},
            {"About/AddGroupButtonCollapsed.png", {14, 14}, 1},
            {"About/visableon.png", {36, 20}, 1},
            {"About/visableoff.png", {36, 20}, 1},
            {"About/LocalVaultIcon@2x.png", {16, 16}, 2},
            {"About/SecureNotesIcon@2x.png", {16, 16}, 2},
            {"About/PrefGeneral@2x.png", {32, 32}, 2},
            {"About/PrefsIconAdvanced@2x.png", {32, 32}, 2},
            {"About/PrefsIconPassword@2x.png", {32, 32}, 2},
            {"About/PrefsIconShortcuts@2x.png", {32, 32}, 2},
            {"LanguageIcon/en", {24, 20}, 2},
            {"LanguageIcon/zh", {24, 20}, 2},
            {"TitleBar/close", titleButton, 2},
            {"TitleBar/close-hover", titleButton, 2},
            {"TitleBar/close-pressed", titleButton, 2},
            {"TitleBar/minimize", titleButton, 2},
            {"TitleBar/minimize-hover", titleButton, 2},
            {"TitleBar/minimize-pressed", titleButton, 2},
            {"TitleBar/zoom", titleButton, 2},
            {"TitleBar/zoom-hover", titleButton, 2},
            {"TitleBar/zoom-pressed", titleButton, 2},
        };
        for (const auto& [name, points, scale] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << points << scale;
    }

    void everyNamedPictureLoadsAtItsSize() {
        QFETCH(QString, name);
        QFETCH(QSize, points);
        QFETCH(int, scale);
        const QString path = imagePathWithfileName(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name));
        const QPixmap picture(path);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), points * scale);
        QCOMPARE(picture.deviceIndependentSize().toSize(), points);
        QVERIFY(picture.hasAlphaChannel());
    }

    void theLanguageButtonFindsAPictureInEveryLanguage() {
        for (int index = 0; index <= 8; ++index) {
            const QString code = vexo::platform::languageCodeForIndex(index);
            vexo::platform::setLanguageCode(code);
            const QString name = QStringLiteral("LanguageIcon/") +
                                 localizedStringForKey(QStringLiteral("languageIcon"));
            QVERIFY2(!QPixmap(imagePathWithfileName(name)).isNull(), qPrintable(code));
        }
        vexo::platform::setLanguage();
    }

    // A button with three pictures shows the hover one while the pointer is
    // over it and the pressed one while it is held down.
    void aButtonsPictureFollowsThePointer() {
        QWidget window;
        window.resize(100, 60);
        auto* button = new vexo::ui::PictureButton(&window);
        button->setGeometry(10, 10, 20, 20);
        const QString normal = QStringLiteral("TitleBar/zoom");
        const QString hover = normal + QStringLiteral("-hover");
        const QString pressed = normal + QStringLiteral("-pressed");
        button->setPictures(normal, hover, pressed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->pictureName(), normal);
        QVERIFY(!button->icon().isNull());
        // Through the window, so that Qt routes the pointer as it does for a
        // real one: a button held down keeps the pointer until released.
        QWindow* surface = window.windowHandle();
        const QPoint over(20, 20);
        const QPoint outside(80, 50);
        QTest::mouseMove(surface, over);
        QCOMPARE(button->pictureName(), hover);
        QTest::mousePress(surface, Qt::LeftButton, {}, over);
        QCOMPARE(button->pictureName(), pressed);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, over);
        QCOMPARE(button->pictureName(), hover);
        QTest::mousePress(surface, Qt::LeftButton, {}, over);
        QTest::mouseMove(surface, outside);
        QCOMPARE(button->pictureName(), pressed);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, outside);
        QCOMPARE(button->pictureName(), normal);
        // New pictures take effect at once; a missing one leaves it blank.
        QTest::mouseMove(surface, over);
        button->setPictures(QStringLiteral("TitleBar/close"), QStringLiteral("no such picture"),
                            pressed);
        QCOMPARE(button->pictureName(), QStringLiteral("no such picture"));
        QVERIFY(button->icon().isNull());
    }
};

VEXO_UI_TEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
