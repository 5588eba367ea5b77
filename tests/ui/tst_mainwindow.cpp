#include "UiTestMain.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/MainWindow.h"
#include "ui/MenuBar.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace vexo;
using platform::Settings;
using ui::MainWindow;
namespace keys = platform::keys;

namespace {

constexpr int kRow = MainWindow::kTitleRowHeight;

QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

// Sends a mouse event at a point of target, the pointer being at global.
void sendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button) {
    const QPoint at(3, 3);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, global, type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      {});
    QApplication::sendEvent(target, &event);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindow> window;

    template <typename T = QWidget> T* child(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    ui::PictureButton* button(const char* name) { return child<ui::PictureButton>(name); }
    QWidget* titleRow() { return child("titleRow"); }

private slots:
    void init() {
        test::clearSettings();
        platform::setLanguageCode(QStringLiteral("en"));
        window = std::make_unique<MainWindow>();
        window->setContent(new QWidget);
        window->setContentSize(QSize(500, 300));
        window->move(100, 100);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void theTitleRowCarriesItsButtons() {
        QCOMPARE(titleRow()->height(), kRow);
        QCOMPARE(window->menuBar()->parentWidget(), titleRow());
        for (const auto& [name, picture] :
             {std::pair{"closeBtn", "TitleBar/close"},
              std::pair{"minimizeBtn", "TitleBar/minimize"}, std::pair{"zoomBtn", "TitleBar/zoom"}})
            QCOMPARE(button(name)->pictureName(), QString::fromLatin1(picture));
        QCOMPARE(button("languageBtn")->pictureName(), QStringLiteral("LanguageIcon/en"));
        platform::setLanguageCode(QStringLiteral("xx"));
        window->refresMenuItems();
        QCOMPARE(button("languageBtn")->pictureName(), QStringLiteral("LanguageIcon/languageIcon"));
    }

    void dressesShowOrHideTheWindowButtons() {
        const ui::MenuBar* bar = window->menuBar();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (const bool locked : {true, false}) {
            window->hiddenCustomButton(locked);
            QCOMPARE(window->isLockedDress(), locked);
            for (const char* name : {"closeBtn", "minimizeBtn", "zoomBtn", "titleLabel"})
                QVERIFY2(child(name)->isVisible() == !locked, name);
            QVERIFY(button("languageBtn")->isVisible());
            QCOMPARE(bar->topItem(ui::menu::kLanguage)->isVisible(), locked);
            QCOMPARE(bar->topItem(ui::menu::kPassword)->isVisible(), !locked);
            // The shortcuts of hidden menus are inert.
            QSignalSpy lock(bar->item(ui::menu::kPassword, ui::menu::kLock), &QAction::triggered);
            QSignalSpy hide(bar->HideItem(), &QAction::triggered);
            QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
            QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
            QCOMPARE(lock.size(), locked ? 0 : 1);
            QCOMPARE(hide.size(), locked ? 0 : 1);
        }
    }

    void theWindowButtonsAct_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("minimize") << QStringLiteral("minimizeBtn");
        QTest::newRow("zoom") << QStringLiteral("zoomBtn");
        QTest::newRow("close") << QStringLiteral("closeBtn");
    }

    void theWindowButtonsAct() {
        QFETCH(QString, name);
        QTest::mouseClick(window->findChild<ui::PictureButton*>(name), Qt::LeftButton);
        QCOMPARE(window->isMinimized(), name == u"minimizeBtn");
        QCOMPARE(window->isMaximized(), name == u"zoomBtn");
        QCOMPARE(window->isVisible(), name != u"closeBtn");
    }

    void newContentReplacesAndDeletesTheOld() {
        QPointer<QWidget> first = window->content();
        auto* second = new QLabel(QStringLiteral("second"));
        window->setContent(second);
        QCOMPARE(window->content(), second);
        QCOMPARE(second->parentWidget(), window.get());
        QVERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        window->layout()->activate();
        QCOMPARE(second->geometry(), QRect(QPoint(0, kRow), window->contentSize()));
        // Showing the same content again keeps it.
        const QPointer<QWidget> kept = second;
        window->setContent(second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!kept.isNull());
    }

    // Content sizes are the window's less its title row; a height limit near
    // the largest a widget may have stays that largest.
    void contentSizesLeaveRoomForTheTitleRow() {
        window->setContentSizeLimits(QSize(400, 200), QSize(600, QWIDGETSIZE_MAX - 1));
        QCOMPARE(window->minimumSize(), QSize(400, 200 + kRow));
        QCOMPARE(window->maximumSize(), QSize(600, QWIDGETSIZE_MAX));
        const std::pair<QSize, QSize> requestedAndGot[] = {
            {{500, 300}, {500, 300}}, {{300, 100}, {400, 200}}, {{900, 900}, {600, 900}}};
        for (const auto& [requested, got] : requestedAndGot) {
            window->setContentSize(requested);
            QCOMPARE(window->contentSize(), got);
            QCOMPARE(window->size(), got + QSize(0, kRow));
        }
        window->fixContentSize(QSize(300, 354));
        QCOMPARE(window->contentSize(), QSize(300, 354));
        QCOMPARE(window->minimumSize(), QSize(300, 354 + kRow));
        QCOMPARE(window->maximumSize(), QSize(300, 354 + kRow));
    }

    void sizeMemoryStoresTheWindowSizeWhileOn() {
        window->setContentSizeLimits(QSize(300, 200), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        window->setContentSize(QSize(600, 380));
        QVERIFY(!Settings::contains(keys::mainWindowSizeWidth));
        window->setSizeMemory(true);
        window->setContentSize(QSize(640, 400));
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 640.0);
        QCOMPARE(Settings::value(keys::mainWindowSizeHeight), 400.0 + kRow);
        // A zoomed or full-screen size is not the user's; the window system
        // delivers it as an event.
        window->showFullScreen();
        QCoreApplication::processEvents();
        QVERIFY(window->isFullScreen());
        QCOMPARE(window->size(), window->screen()->size());
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 640.0);
        window->leaveFullScreen();
        QCoreApplication::processEvents();
        QVERIFY(!window->isFullScreen());
        QCOMPARE(window->size(), QSize(640, 400 + kRow));
        window->zoom();
        QCoreApplication::processEvents();
        QVERIFY(window->size() != QSize(640, 400 + kRow));
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 640.0);
        window->zoom();
        QCoreApplication::processEvents();
        window->setContentSize(QSize(700, 450));
        QCOMPARE(Settings::value(keys::mainWindowSizeHeight), 450.0 + kRow);
        window->setSizeMemory(false);
        window->setContentSize(QSize(720, 460));
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 700.0);
    }

    void zoomTogglesUnlessDisabled() {
        window->zoom();
        QVERIFY(window->isMaximized());
        window->zoom();
        QVERIFY(!window->isMaximized());
        window->setZoomEnabled(false);
        window->zoom();
        QVERIFY(!window->isMaximized());
        sendMouse(titleRow(), QEvent::MouseButtonDblClick, {}, Qt::LeftButton);
        QVERIFY(!window->isMaximized());
        window->setZoomEnabled(true);
        sendMouse(child("titleLabel"), QEvent::MouseButtonDblClick, {}, Qt::LeftButton);
        QVERIFY(window->isMaximized());
    }

    // The window follows the pointer from a press on a handle until the
    // release; the title label passes its presses on to its row.
    void draggingAHandleMovesTheWindow_data() {
        QTest::addColumn<QString>("handle");
        QTest::newRow("title row") << QStringLiteral("titleRow");
        QTest::newRow("title label") << QStringLiteral("titleLabel");
        QTest::newRow("content row") << QString();
    }

    void draggingAHandleMovesTheWindow() {
        QFETCH(QString, handle);
        QWidget* target = window->findChild<QWidget*>(handle);
        if (handle.isEmpty()) {
            target = new QWidget(window->content());
            target->setGeometry(0, 0, 100, 20);
            window->makeDraggable(target);
        }
        const QPoint start = window->pos();
        const QPoint grab = target->mapToGlobal(QPoint(3, 3));
        auto pointerAt = [&](QEvent::Type type, QPoint shift, Qt::MouseButton button) {
            sendMouse(target, type, grab + shift, button);
        };
        pointerAt(QEvent::MouseButtonPress, {}, Qt::RightButton);
        pointerAt(QEvent::MouseMove, QPoint(50, 50), Qt::RightButton);
        pointerAt(QEvent::MouseButtonRelease, QPoint(50, 50), Qt::RightButton);
        QCOMPARE(window->pos(), start);
        pointerAt(QEvent::MouseButtonPress, {}, Qt::LeftButton);
        pointerAt(QEvent::MouseMove, QPoint(40, 25), Qt::LeftButton);
        QCOMPARE(window->pos(), start + QPoint(40, 25));
        pointerAt(QEvent::MouseMove, QPoint(-20, 60), Qt::LeftButton);
        QCOMPARE(window->pos(), start + QPoint(-20, 60));
        pointerAt(QEvent::MouseButtonRelease, QPoint(-20, 60), Qt::LeftButton);
        pointerAt(QEvent::MouseMove, QPoint(90, 90), Qt::NoButton);
        QCOMPARE(window->pos(), start + QPoint(-20, 60));
    }

    // The language button's pop-up lists the shipped languages of its two
    // choices and reports the one chosen; dismissing it chooses none.
    void theLanguageButtonOffersItsLanguages_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("index");
        QTest::newRow("English") << text("languageItem2") << 2;
        QTest::newRow("Chinese") << text("languageItem1") << 1;
        QTest::newRow("dismissed") << QString() << 0;
    }

    void theLanguageButtonOffersItsLanguages() {
        QFETCH(QString, choice);
        QFETCH(int, index);
        if (index == 1 && !platform::languageIsShipped(platform::languageCodeForIndex(1)))
            QSKIP("no Chinese string table is built in");
        QSignalSpy chosen(window.get(), &MainWindow::languageChosen);
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (popup == nullptr)
                return;
            QAction* picked = nullptr;
            for (QAction* action : popup->actions()) {
                offered << action->text();
                if (action->text() == choice)
                    picked = action;
            }
            if (picked == nullptr)
                QTest::keyClick(popup, Qt::Key_Escape);
            else
                QTest::mouseClick(popup, Qt::LeftButton, {},
                                  popup->actionGeometry(picked).center());
        });
        QTest::mouseClick(button("languageBtn"), Qt::LeftButton);
        QStringList shipped;
        for (int language : {1, 2})
            if (platform::languageIsShipped(platform::languageCodeForIndex(language)))
                shipped << text(language == 1 ? "languageItem1" : "languageItem2");
        QCOMPARE(offered, shipped);
        QCOMPARE(chosen.size(), index == 0 ? 0 : 1);
        if (index != 0)
            QCOMPARE(chosen.first().first().toInt(), index);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }
};

VEXO_UI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
