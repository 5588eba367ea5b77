#include "ui/MainView.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/Look.h"
#include "ui/PictureButton.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace vexo::ui {
namespace {

using platform::localizedStringForKey;

constexpr int kTitleBarHeight = 44;
constexpr int kSidebarWidth = 200;
constexpr int kBottomBarHeight = 50;
constexpr int kAddButtonPauseMs = 250;
constexpr int kLockButtonPointSize = 13;
constexpr int kSortButtonPointSize = 11;

QString rgb(QColor colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

QWidget* line(Qt::Orientation orientation) {
    QWidget* divider = fillBackground(new QWidget, kLineColour);
    if (orientation == Qt::Horizontal)
        divider->setFixedHeight(1);
    else
        divider->setFixedWidth(1);
    return divider;
}

QScrollArea* scrollArea(const char* name, QColor colour) {
    auto* area = new QScrollArea;
    area->setObjectName(QLatin1String(name));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillBackground(area->viewport(), colour);
    return area;
}

QStringList localPaths(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

MainView::MainView(vault::VaultCatalogue& catalogue, QWidget* parent)
    : QWidget(parent), controller_(catalogue), addGroupPause_(new QTimer(this)),
      addFilePause_(new QTimer(this)) {
    setObjectName(QStringLiteral("mainView"));
    fillBackground(this, kPaneColour);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar());
    auto* titleLine = line(Qt::Horizontal);
    titleLine->setObjectName(QStringLiteral("titleLine"));
    layout->addWidget(titleLine);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(buildLeftPane());
    body->addWidget(line(Qt::Vertical));
    body->addWidget(buildRightPane(), 1);
    layout->addLayout(body, 1);

    for (QTimer* pause : {addGroupPause_, addFilePause_}) {
        pause->setSingleShot(true);
        pause->setInterval(kAddButtonPauseMs);
    }
    connect(addGroupPause_, &QTimer::timeout, this, [this] {
        controller_.addGroupAction();
        emit userActed();
    });
    connect(addFilePause_, &QTimer::timeout, this, [this] {
        controller_.addFilesAction();
        emit userActed();
    });
    connect(&controller_, &vault::MainViewController::selectionChanged, this,
            &MainView::refreshRightPane);
    connect(&controller_.catalogue(), &vault::VaultCatalogue::listsChanged, this,
            &MainView::refreshRightPane);
}

QWidget* MainView::buildTitleBar() {
    titleBar_ = fillBackground(new QWidget, kSidebarColour);
    titleBar_->setObjectName(QStringLiteral("titleBar"));
    titleBar_->setFixedHeight(kTitleBarHeight);
    auto* layout = new QHBoxLayout(titleBar_);
    layout->setContentsMargins(12, 6, 12, 6);

    lockFileBtn_ = new QPushButton(QStringLiteral("  ") +
                                   localizedStringForKey(QStringLiteral("lockFileBtn.title")));
    lockFileBtn_->setObjectName(QStringLiteral("lockFileBtn"));
    lockFileBtn_->setIcon(
        QIcon(platform::imagePathWithfileName(QStringLiteral("About/LockButtonIcon.png"))));
    lockFileBtn_->setFont(designFont(kLockButtonPointSize));
    lockFileBtn_->setCursor(Qt::PointingHandCursor);
    lockFileBtn_->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: %1; border: 1px solid %2;"
                       " border-radius: 5px; padding: 4px 10px; }"
                       "QPushButton:hover { background: %3; }")
            .arg(rgb(kPaneColour), rgb(kLineColour), rgb(kSidebarColour)));
    connect(lockFileBtn_, &QPushButton::clicked, this, &MainView::lockRequested);
    layout->addWidget(lockFileBtn_);
    layout->addStretch(1);

    sortBtn_ = new QPushButton(platform::localizedText(
        QStringLiteral("SortBtn.title"), {localizedStringForKey(QStringLiteral("SortbyItem1"))}));
    sortBtn_->setObjectName(QStringLiteral("sortBtn"));
    sortBtn_->setFont(designFont(kSortButtonPointSize));
    sortBtn_->setIcon(
        QIcon(platform::imagePathWithfileName(QStringLiteral("About/daosanjiao.png"))));
    sortBtn_->setLayoutDirection(Qt::RightToLeft);
    sortBtn_->setStyleSheet(QStringLiteral("QPushButton { color: %1; background: transparent;"
                                           " border: none; border-radius: 3px; }")
                                .arg(rgb(kMutedTextColour)));
    layout->addWidget(sortBtn_);

    auto* searchBarBack = new QWidget;
    searchBarBack->setObjectName(QStringLiteral("searchBarBack"));
    searchBarBack->setAttribute(Qt::WA_StyledBackground);
    searchBarBack->setStyleSheet(
        QStringLiteral(
            "#searchBarBack { background: %1; border: 1px solid %2; border-radius: 3px; }")
            .arg(rgb(kPaneColour), rgb(kLineColour)));
    searchBarBack->setFixedWidth(200);
    auto* searchLayout = new QHBoxLayout(searchBarBack);
    searchLayout->setContentsMargins(6, 2, 6, 2);
    auto* searchBtn = new PictureButton;
    searchBtn->setObjectName(QStringLiteral("searchBtn"));
    searchBtn->setPicture(QStringLiteral("About/searchBarIcon.png"));
    searchBtn->setFixedSize(18, 18);
    connect(searchBtn, &QPushButton::clicked, this, &MainView::clickSearchAction);
    searchLayout->addWidget(searchBtn);
    searchTextField_ = new QLineEdit;
    searchTextField_->setObjectName(QStringLiteral("searchTextField"));
    searchTextField_->setFrame(false);
    searchTextField_->setStyleSheet(
        QStringLiteral("QLineEdit { background: transparent; color: white; }"));
    connect(searchTextField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        controller_.controlTextDidChange(text);
        refreshRightPane();
    });
    searchLayout->addWidget(searchTextField_);
    layout->addWidget(searchBarBack);
    return titleBar_;
}

QWidget* MainView::buildLeftPane() {
    QWidget* pane = fillBackground(new QWidget, kSidebarColour);
    pane->setObjectName(QStringLiteral("leftContentView"));
    pane->setFixedWidth(kSidebarWidth);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea("groupScrollView", kSidebarColour), 1);
    return pane;
}

QWidget* MainView::buildRightPane() {
    rightContentView_ = fillBackground(new QWidget, kPaneColour);
    rightContentView_->setObjectName(QStringLiteral("rightContentView"));
    rightContentView_->setAcceptDrops(true);
    rightContentView_->installEventFilter(this);
    auto* layout = new QVBoxLayout(rightContentView_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    itemScrollView_ = scrollArea("itemScrollView", kPaneColour);
    layout->addWidget(itemScrollView_, 1);
    layout->addWidget(line(Qt::Horizontal));
    layout->addWidget(buildBottomBar());

    // The hint lies over the empty list; drops on it reach the pane.
    dropArrowView_ = new QLabel(itemScrollView_);
    dropArrowView_->setObjectName(QStringLiteral("dropArrowView"));
    dropArrowView_->setPixmap(
        QPixmap(platform::imagePathWithfileName(QStringLiteral("About/DropArrow@2x.png"))));
    dropArrowView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dropArrowView_->adjustSize();
    itemScrollView_->installEventFilter(this);
    return rightContentView_;
}

QWidget* MainView::buildBottomBar() {
    QWidget* bar = fillBackground(new QWidget, kPaneColour);
    bar->setObjectName(QStringLiteral("rightBottomView"));
    bar->setFixedHeight(kBottomBarHeight);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 0, 12, 0);

    PictureButton* addGroupBtn =
        addBottomButton(QStringLiteral("addGroupBtn"), QStringLiteral("About/AddGroupForUP.png"));
    connect(addGroupBtn, &QPushButton::clicked, this, [this] {
        qCInfo(lcVexo, "add vlt to app");
        addGroupPause_->start();
    });
    layout->addWidget(addGroupBtn);
    PictureButton* addFileBtn =
        addBottomButton(QStringLiteral("addFileBtn"), QStringLiteral("About/addFileBtn.png"));
    connect(addFileBtn, &QPushButton::clicked, this, [this] {
        qCInfo(lcVexo, "add file to app");
        addFilePause_->start();
    });
    layout->addWidget(addFileBtn);
    layout->addStretch(1);

    rightBottom_leftBtn_ = new QPushButton;
    rightBottom_leftBtn_->setObjectName(QStringLiteral("rightBottom_leftBtn"));
    rightBottom_leftBtn_->setFont(designFont(kLockButtonPointSize));
    rightBottom_leftBtn_->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: %1; border: 1px solid %2;"
                       " border-radius: 5px; padding: 4px 12px; }")
            .arg(rgb(kSidebarColour), rgb(kLineColour)));
    connect(rightBottom_leftBtn_, &QPushButton::clicked, this, [this] {
        controller_.fileTypeButtonAction();
        refreshFileTypeTitle();
        emit userActed();
    });
    layout->addWidget(rightBottom_leftBtn_);
    layout->addWidget(addBottomButton(QStringLiteral("rightBottom_rightBtn"),
                                      QStringLiteral("About/DropDownMenuIcon.png")));
    refreshFileTypeTitle();
    return bar;
}

PictureButton* MainView::addBottomButton(const QString& name, const QString& picture) {
    auto* button = new PictureButton;
    button->setObjectName(name);
    button->setPicture(picture);
    button->setFixedSize(30, 30);
    button->setIconSize(QSize(24, 24));
    return button;
}

bool MainView::setUp(bool firstRun) {
    if (!controller_.setUp(firstRun))
        return false;
    refreshRightPane();
    return true;
}

void MainView::refreshRightPane() {
    controller_.chooseItemsShown();
    dropArrowView_->setVisible(controller_.selected_ItemList.isEmpty());
    refreshFileTypeTitle();
}

void MainView::refreshFileTypeTitle() {
    rightBottom_leftBtn_->setText(localizedStringForKey(QStringLiteral("file_Item") +
                                                        QString::number(controller_.doFileType)));
}

void MainView::clickSearchAction() {
    searchTextField_->setFocus(Qt::OtherFocusReason);
}

void MainView::formatAction(FormatCommand command) {
    auto* editor = qobject_cast<QTextEdit*>(QApplication::focusWidget());
    if (editor != nullptr && isAncestorOf(editor))
        applyFormatCommand(editor, command);
}

void MainView::dropPaths(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    qCInfo(lcVexo, "拖拽文件完成");
    controller_.AddFileActionForPaths(paths);
    emit userActed();
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == itemScrollView_ && event->type() == QEvent::Resize) {
        dropArrowView_->move((itemScrollView_->width() - dropArrowView_->width()) / 2,
                             (itemScrollView_->height() - dropArrowView_->height()) / 2);
        return false;
    }
    if (watched != rightContentView_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!localPaths(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->acceptProposedAction();
        // The adding may ask questions; the drag ends first.
        QMetaObject::invokeMethod(
            this, [this, paths = localPaths(drop->mimeData())] { dropPaths(paths); },
            Qt::QueuedConnection);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexo::ui
