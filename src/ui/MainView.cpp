#include "ui/MainView.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/FileListModel.h"
#include "ui/FileListView.h"
#include "ui/GroupSidebarModel.h"
#include "ui/GroupSidebarView.h"
#include "ui/Look.h"
#include "ui/NoteView.h"
#include "ui/PictureButton.h"
#include "ui/ProgressPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
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
constexpr int kBottomButtonSide = 30;
constexpr int kBottomIconSide = 24;
constexpr int kPauseMs = 250;
constexpr int kLockButtonPointSize = 13;
constexpr int kSortButtonPointSize = 11;

QString rgb(QColor colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

} // namespace

MainView::MainView(vault::VaultCatalogue& catalogue, QWidget* parent)
    : QWidget(parent), controller_(catalogue), fileModel_(new FileListModel(icons_, this)),
      sidebarModel_(new GroupSidebarModel(controller_, this)), addGroupPause_(new QTimer(this)),
      addFilePause_(new QTimer(this)), togglePause_(new QTimer(this)) {
    setObjectName(QStringLiteral("mainView"));
    fillBackground(this, kPaneColour);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar());
    auto* titleLine = dividerLine(Qt::Horizontal);
    titleLine->setObjectName(QStringLiteral("titleLine"));
    layout->addWidget(titleLine);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(buildLeftPane());
    body->addWidget(dividerLine(Qt::Vertical));
    // Exactly one of the file list and the note view shows.
    rightStack_ = new QStackedWidget;
    rightStack_->addWidget(buildRightPane());
    noteRightView_ = new NoteView(controller_);
    rightStack_->addWidget(noteRightView_);
    body->addWidget(rightStack_, 1);
    layout->addLayout(body, 1);

    for (QTimer* pause : {addGroupPause_, addFilePause_, togglePause_}) {
        pause->setSingleShot(true);
        pause->setInterval(kPauseMs);
    }
    connect(addGroupPause_, &QTimer::timeout, this, [this] {
        controller_.addGroupAction();
        emit userActed();
    });
    connect(addFilePause_, &QTimer::timeout, this, [this] {
        controller_.addFilesAction();
        emit userActed();
    });
    connect(togglePause_, &QTimer::timeout, this, [this] {
        if (const store::FileModelPtr item = std::exchange(pendingToggle_, nullptr))
            controller_.visableChange(item);
        emit userActed();
    });
    connectFileList();
    connectSidebar();
    connectNoteView();
}

void MainView::connectNoteView() {
    connect(noteRightView_, &NoteView::userActed, this, &MainView::userActed);
    connect(noteRightView_, &NoteView::sortTitleChanged, sortBtn_, &QPushButton::setText);
    connect(noteRightView_, &NoteView::pathsDropped, this, &MainView::dropPaths);
}

bool MainView::showsNotes() const {
    return controller_.selectGroupName == store::kSystemDevicNoteName;
}

void MainView::connectFileList() {
    vault::VaultCatalogue& catalogue = controller_.catalogue();
    connect(&controller_, &vault::MainViewController::selectionChanged, this,
            [this] { setRightScrollView(); });
    // A list saved keeps the open note open.
    connect(&catalogue, &vault::VaultCatalogue::listsChanged, this,
            [this] { setRightScrollView(true); });
    connect(&catalogue, &vault::VaultCatalogue::itemChanged, this,
            [this](const store::FileModelPtr& item) {
                fileModel_->itemChanged(item);
                if (item == controller_.selectedItem()) {
                    controller_.selectItemAt(controller_.selectGroup_ItemIndex);
                    refreshFileTypeTitle();
                }
                emit itemSelectionChanged();
            });
    connect(&catalogue, &vault::VaultCatalogue::itemProgress, this,
            [this](const store::FileModelPtr& item, float fraction) {
                fileModel_->itemProgress(item, fraction);
                progressView_->setFraction(fraction);
            });
    connect(&catalogue, &vault::VaultCatalogue::progressStateChanged, this,
            [this](const QString& text, bool running) {
                progressView_->setState(text, running);
                if (!running)
                    fileModel_->runsEnded();
            });
    connect(progressView_, &ProgressPanel::cancelPressed, this,
            [this] { controller_.encryptCancelBtnAction(); });
    connect(&icons_, &ItemIcons::ready, fileModel_, &FileListModel::iconsChanged);
    connect(itemScrollView_, &FileListView::rowClicked, this, &MainView::selectRow);
    connect(itemScrollView_, &FileListView::toggleClicked, this, &MainView::toggleRow);
    connect(itemScrollView_, &FileListView::revealClicked, this, &MainView::revealRow);
    // The adding may ask questions; the drop ends first.
    connect(itemScrollView_, &FileListView::pathsDropped, this, &MainView::dropPaths,
            Qt::QueuedConnection);
    connect(itemScrollView_, &FileListView::contextMenuAsked, this,
            [this](int row, const QPoint& at) {
                if (!busy())
                    showMenu(groupChildFile_Menu(row, this), at);
            });
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
    connect(sortBtn_, &QPushButton::clicked, this, [this] {
        showMenu(showsNotes() ? noteRightView_->applicationNotesDockMenu(this)
                              : applicationDockMenu(this),
                 sortBtn_->mapToGlobal(QPoint(0, sortBtn_->height())));
    });
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
    auto* searchBtn = new PictureButton(QStringLiteral("searchBtn"),
                                        QStringLiteral("About/searchBarIcon.png"), 18, 16);
    connect(searchBtn, &QPushButton::clicked, this, &MainView::clickSearchAction);
    searchLayout->addWidget(searchBtn);
    searchTextField_ = new QLineEdit;
    searchTextField_->setObjectName(QStringLiteral("searchTextField"));
    searchTextField_->setFrame(false);
    searchTextField_->setStyleSheet(
        QStringLiteral("QLineEdit { background: transparent; color: white; }"));
    connect(searchTextField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        controller_.controlTextDidChange(text);
        setRightScrollView();
        emit userActed();
    });
    searchLayout->addWidget(searchTextField_);
    layout->addWidget(searchBarBack);
    return titleBar_;
}

QWidget* MainView::buildLeftPane() {
    leftContentView_ = fillBackground(new QWidget, kSidebarColour);
    leftContentView_->setObjectName(QStringLiteral("leftContentView"));
    leftContentView_->setFixedWidth(kSidebarWidth);
    auto* layout = new QVBoxLayout(leftContentView_);
    layout->setContentsMargins(0, 0, 0, 0);
    groupScrollView_ = new GroupSidebarView;
    groupScrollView_->setModel(sidebarModel_);
    layout->addWidget(groupScrollView_, 1);
    // The panel lies over the foot of the sidebar while work runs.
    progressView_ = new ProgressPanel(leftContentView_);
    leftContentView_->installEventFilter(this);
    return leftContentView_;
}

QWidget* MainView::buildRightPane() {
    rightContentView_ = fillBackground(new QWidget, kPaneColour);
    rightContentView_->setObjectName(QStringLiteral("rightContentView"));
    auto* layout = new QVBoxLayout(rightContentView_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    itemScrollView_ = new FileListView;
    itemScrollView_->setModel(fileModel_);
    layout->addWidget(itemScrollView_, 1);
    layout->addWidget(dividerLine(Qt::Horizontal));
    layout->addWidget(buildBottomBar());

    // The hint lies over the empty list; drops on it reach the list.
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
    // Room on the right for the window's size grip.
    layout->setContentsMargins(12, 0, 24, 0);

    PictureButton* addGroupBtn =
        new PictureButton(QStringLiteral("addGroupBtn"), QStringLiteral("About/AddGroupForUP.png"),
                          kBottomButtonSide, kBottomIconSide);
    connect(addGroupBtn, &QPushButton::clicked, this, [this] {
        qCInfo(lcVexo, "add vlt to app");
        addGroupPause_->start();
    });
    layout->addWidget(addGroupBtn);
    PictureButton* addFileBtn =
        new PictureButton(QStringLiteral("addFileBtn"), QStringLiteral("About/addFileBtn.png"),
                          kBottomButtonSide, kBottomIconSide);
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
    rightBottom_rightBtn_ = new PictureButton(QStringLiteral("rightBottom_rightBtn"),
                                              QStringLiteral("About/DropDownMenuIcon.png"),
                                              kBottomButtonSide, kBottomIconSide);
    connect(rightBottom_rightBtn_, &QPushButton::clicked, this, [this] {
        if (!busy())
            showMenu(file_itemMenu(this), rightBottom_rightBtn_->mapToGlobal(
                                              QPoint(0, rightBottom_rightBtn_->height())));
    });
    layout->addWidget(rightBottom_rightBtn_);
    refreshFileTypeTitle();
    return bar;
}

bool MainView::setUp(bool firstRun) {
    if (!controller_.setUp(firstRun))
        return false;
    setLeftScrollView();
    setRightScrollView();
    return true;
}

void MainView::setRightScrollView(bool keepOpenNote) {
    // Adding a note ends a search; the field says so too.
    if (controller_.searchText.isEmpty() && !searchTextField_->text().isEmpty()) {
        const QSignalBlocker quiet(searchTextField_);
        searchTextField_->clear();
    }
    // A note group's notes belong to the note view.
    const bool notes = showsNotes();
    if (notes) {
        controller_.selected_ItemList.clear();
        rightStack_->setCurrentWidget(noteRightView_);
        noteRightView_->setNoteTableListView(keepOpenNote);
    } else {
        noteRightView_->saveOpenNote();
        rightStack_->setCurrentIndex(0);
        controller_.chooseItemsShown();
    }
    fileModel_->setItems(controller_.selected_ItemList, int(controller_.selectGroup_ItemIndex));
    dropArrowView_->setVisible(!notes && controller_.selected_ItemList.isEmpty());
    refreshFileTypeTitle();
    emit itemSelectionChanged();
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
    if (event->type() == QEvent::Resize && watched == itemScrollView_)
        dropArrowView_->move((itemScrollView_->width() - dropArrowView_->width()) / 2,
                             (itemScrollView_->height() - dropArrowView_->height()) / 2);
    if (event->type() == QEvent::Resize && watched == leftContentView_)
        progressView_->placeAtFoot();
    return QWidget::eventFilter(watched, event);
}

bool MainView::busy() const {
    return progressView_->isShown();
}

void MainView::showMenu(QMenu* menu, const QPoint& globalPosition) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

} // namespace vexo::ui
