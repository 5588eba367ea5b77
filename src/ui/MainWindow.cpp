#include "ui/MainWindow.h"

#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/Look.h"
#include "ui/MenuBar.h"
#include "ui/PictureButton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSizeGrip>
#include <QVBoxLayout>
#include <QWindow>

namespace vexo::ui {
namespace {

constexpr int kTitleButtonSide = 14;
constexpr int kLanguageButtonSide = 20;
constexpr int kMenuPointSize = 15;

// The language button's choices: index and title key.
struct LanguageChoice {
    int index;
    const char* titleKey;
};
constexpr LanguageChoice kLanguageChoices[] = {{1, "languageItem1"}, {2, "languageItem2"}};

QSize withTitleRow(QSize content) {
    const int height = content.height() >= QWIDGETSIZE_MAX - MainWindow::kTitleRowHeight
                           ? QWIDGETSIZE_MAX
                           : content.height() + MainWindow::kTitleRowHeight;
    return {content.width(), height};
}

QString menuBarStyle() {
    return QStringLiteral("QMenuBar { background: transparent; color: white; }"
                          "QMenuBar::item { padding: 4px 6px; background: transparent; }"
                          "QMenuBar::item:selected { background: rgb(80, 80, 86); }");
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), menuBar_(new MenuBar) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    titleRow_ = buildTitleRow();
    layout->addWidget(titleRow_);
    makeDraggable(titleRow_);
    showLanguagePicture();
    // Frameless, the window is resized from its lower right corner.
    sizeGrip_ = new QSizeGrip(this);
    sizeGrip_->setObjectName(QStringLiteral("sizeGrip"));
}

QWidget* MainWindow::buildTitleRow() {
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("titleRow"));
    row->setFixedHeight(kTitleRowHeight);
    fillBackground(row, kSidebarColour, Qt::white);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 0, 8, 0);
    layout->setSpacing(8);
    closeButton_ = addTitleButton(QStringLiteral("close"));
    minimizeButton_ = addTitleButton(QStringLiteral("minimize"));
    zoomButton_ = addTitleButton(QStringLiteral("zoom"));
    for (PictureButton* button : {closeButton_, minimizeButton_, zoomButton_})
        layout->addWidget(button);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(minimizeButton_, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(zoomButton_, &QPushButton::clicked, this, &MainWindow::zoom);

    menuBar_->setStyleSheet(menuBarStyle());
    layout->addWidget(menuBar_);
    titleLabel_ = new QLabel(windowTitle());
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    layout->addWidget(titleLabel_, 1);

    languageButton_ = new PictureButton;
    languageButton_->setObjectName(QStringLiteral("languageBtn"));
    languageButton_->setFixedSize(kLanguageButtonSide, kLanguageButtonSide);
    languageButton_->setIconSize(QSize(kLanguageButtonSide, kLanguageButtonSide));
    connect(languageButton_, &QPushButton::clicked, this, &MainWindow::changeLanguageAction);
    layout->addWidget(languageButton_);
    return row;
}

PictureButton* MainWindow::addTitleButton(const QString& pictureStem) {
    auto* button = new PictureButton;
    button->setObjectName(pictureStem + QStringLiteral("Btn"));
    button->setFixedSize(kTitleButtonSide, kTitleButtonSide);
    button->setIconSize(QSize(kTitleButtonSide, kTitleButtonSide));
    const QString stem = QStringLiteral("TitleBar/") + pictureStem;
    button->setPictures(stem, stem + QStringLiteral("-hover"), stem + QStringLiteral("-pressed"));
    return button;
}

void MainWindow::setContent(QWidget* content) {
    if (content == nullptr || content == content_)
        return;
    if (content_ != nullptr) {
        content_->hide();
        content_->deleteLater();
    }
    content_ = content;
    static_cast<QVBoxLayout*>(layout())->addWidget(content, 1);
    content->show();
}

QSize MainWindow::contentSize() const {
    return {width(), height() - kTitleRowHeight};
}

void MainWindow::setContentSize(QSize size) {
    resize(withTitleRow(size));
}

void MainWindow::setContentSizeLimits(QSize minimum, QSize maximum) {
    setMinimumSize(withTitleRow(minimum));
    setMaximumSize(withTitleRow(maximum));
    placeSizeGrip();
}

void MainWindow::placeSizeGrip() {
    sizeGrip_->move(width() - sizeGrip_->width(), height() - sizeGrip_->height());
    sizeGrip_->setVisible(minimumSize() != maximumSize());
    sizeGrip_->raise();
}

void MainWindow::fixContentSize(QSize size) {
    setContentSizeLimits(size, size);
    setContentSize(size);
}

void MainWindow::hiddenCustomButton(bool hidden) {
    lockedDress_ = hidden;
    for (PictureButton* button : {closeButton_, minimizeButton_, zoomButton_})
        button->setVisible(!hidden);
    // The guide and the unlock screen show the name themselves, and the
    // narrow unlock screen needs the room for its menus.
    titleLabel_->setVisible(!hidden);
    menuBar_->hiddenCustomButton(hidden);
    showLanguagePicture();
}

void MainWindow::setZoomEnabled(bool enabled) {
    zoomButton_->setEnabled(enabled);
}

void MainWindow::refresMenuItems() {
    menuBar_->refresMenuItems();
    showLanguagePicture();
}

void MainWindow::showLanguagePicture() {
    languageButton_->setPicture(QStringLiteral("LanguageIcon/") +
                                platform::localizedStringForKey(QStringLiteral("languageIcon")));
}

void MainWindow::zoom() {
    if (!zoomButton_->isEnabled())
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void MainWindow::leaveFullScreen() {
    if (isFullScreen())
        showNormal();
}

void MainWindow::raiseWindow() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::makeDraggable(QWidget* row) {
    row->installEventFilter(this);
}

void MainWindow::changeLanguageAction() {
    QMenu popup(this);
    popup.setFont(designFont(kMenuPointSize));
    popup.setStyleSheet(QStringLiteral("QMenu { color: white; }"));
    for (const LanguageChoice& choice : kLanguageChoices) {
        if (!platform::languageIsShipped(platform::languageCodeForIndex(choice.index)))
            continue;
        QAction* action =
            popup.addAction(platform::localizedStringForKey(QString::fromLatin1(choice.titleKey)));
        connect(action, &QAction::triggered, this,
                [this, index = choice.index] { emit languageChosen(index); });
    }
    popup.exec(languageButton_->mapToGlobal(QPoint(0, languageButton_->height())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            break;
        // The window system moves the window where it can; elsewhere (and
        // offscreen) it follows the pointer by hand.
        if (windowHandle() != nullptr && windowHandle()->startSystemMove())
            return true;
        grabOffset_ = press->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove:
        if (grabOffset_) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *grabOffset_);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        grabOffset_.reset();
        break;
    case QEvent::MouseButtonDblClick:
        zoom();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSizeGrip();
    // A zoomed or full-screen size is the screen's, not one the user chose.
    if (!iswriteFrameSize_ || isFullScreen() || isMaximized())
        return;
    platform::Settings::setValue(platform::keys::mainWindowSizeWidth, double(width()));
    platform::Settings::setValue(platform::keys::mainWindowSizeHeight, double(height()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the application, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

} // namespace vexo::ui
