#include "ui/NoteView.h"

#include "notes/NotePackage.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"
#include "ui/Look.h"
#include "ui/MenuEntries.h"
#include "ui/NoteListModel.h"
#include "ui/NoteRowDelegate.h"
#include "ui/NoteTextEdit.h"
#include "ui/PictureButton.h"
#include "ui/RowListView.h"
#include "vault/NotePackages.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace vexo::ui {
namespace {

constexpr int kBottomBarHeight = 50;

} // namespace

NoteView::NoteView(vault::MainViewController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller), controllerLife_(&controller),
      notes_(new NoteListModel(this)), saveTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("noteRightView"));
    fillBackground(this, kPaneColour);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildColumn());
    layout->addWidget(dividerLine(Qt::Vertical));
    layout->addWidget(buildEditor(), 1);

    saveTimer_->setSingleShot(true);
    saveTimer_->setInterval(kSaveDelayMs);
    connect(saveTimer_, &QTimer::timeout, this, &NoteView::writeOpenNote);
    noteFileContentView_->hide();
}

NoteView::~NoteView() {
    saveOpenNote();
}

void NoteView::hideEvent(QHideEvent* event) {
    // The main view is hidden before it goes on a lock and with the window
    // when the application quits, while what a save and a rename use is
    // still there. Saves made then are no user action.
    if (!event->spontaneous()) {
        const QSignalBlocker quiet(this);
        closeOpenNote();
    }
    QWidget::hideEvent(event);
}

QWidget* NoteView::buildColumn() {
    auto* column = new QWidget;
    column->setFixedWidth(kColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    noteCellTableView_ = new RowListView(new NoteRowDelegate, kPaneColour);
    noteCellTableView_->setObjectName(QStringLiteral("noteCellTableView"));
    noteCellTableView_->setModel(notes_);
    noteCellTableView_->setAcceptDrops(true);
    layout->addWidget(noteCellTableView_, 1);
    connect(noteCellTableView_, &RowListView::rowClicked, this, &NoteView::selectNoteRow);
    connect(noteCellTableView_, &RowListView::contextMenuAsked, this,
            [this](int row, const QPoint& at) {
                QMenu* menu = note_itemMenu(row, this);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(at);
            });
    connect(noteCellTableView_, &RowListView::pathsDropped, this, &NoteView::pathsDropped,
            Qt::QueuedConnection);

    noNoteFileIcon_ = new QLabel(noteCellTableView_);
    noNoteFileIcon_->setObjectName(QStringLiteral("noNoteFileIcon"));
    noNoteFileIcon_->setPixmap(
        QPixmap(platform::imagePathWithfileName(QStringLiteral("About/NotesPlaceholder@2x.png"))));
    noNoteFileIcon_->setAlignment(Qt::AlignCenter);
    noNoteFileIcon_->setAttribute(Qt::WA_TransparentForMouseEvents);
    noNoteFileIcon_->setGeometry(0, 0, kColumnWidth, 300);

    layout->addWidget(dividerLine(Qt::Horizontal));
    auto* bar = new QWidget;
    bar->setFixedHeight(kBottomBarHeight);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(12, 0, 12, 0);
    auto* addNoteBtn = new PictureButton(QStringLiteral("addNoteBtn"),
                                         QStringLiteral("About/addFileBtn.png"), 30, 24);
    connect(addNoteBtn, &QPushButton::clicked, this, &NoteView::addNoteAction);
    barLayout->addWidget(addNoteBtn);
    barLayout->addStretch(1);
    layout->addWidget(bar);
    return column;
}

QWidget* NoteView::buildEditor() {
    noteFileContentView_ = new QWidget;
    noteFileContentView_->setObjectName(QStringLiteral("noteFileContentView"));
    auto* layout = new QVBoxLayout(noteFileContentView_);
    layout->setContentsMargins(16, 10, 16, 0);
    layout->setSpacing(4);
    noteFileTitleLabel_ = new QLineEdit;
    noteFileTitleLabel_->setObjectName(QStringLiteral("noteFileTitleLabel"));
    noteFileTitleLabel_->setFrame(false);
    QFont titleFont = noteFileTitleLabel_->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(18);
    noteFileTitleLabel_->setFont(titleFont);
    noteFileTitleLabel_->setStyleSheet(
        QStringLiteral("QLineEdit { background: transparent; color: white; }"));
    createNoteTimeLabel_ = new QLabel;
    createNoteTimeLabel_->setObjectName(QStringLiteral("createNoteTimeLabel"));
    QFont dateFont = createNoteTimeLabel_->font();
    dateFont.setPixelSize(11);
    createNoteTimeLabel_->setFont(dateFont);
    noteFileContentTextView_ = new NoteTextEdit;
    noteFileContentTextView_->setFrameShape(QFrame::NoFrame);
    QPalette textColours = noteFileContentTextView_->palette();
    textColours.setColor(QPalette::Base, kPaneColour);
    textColours.setColor(QPalette::Text, Qt::white);
    noteFileContentTextView_->setPalette(textColours);
    layout->addWidget(noteFileTitleLabel_);
    layout->addWidget(createNoteTimeLabel_);
    layout->addWidget(dividerLine(Qt::Horizontal));
    layout->addWidget(noteFileContentTextView_, 1);

    connect(noteFileTitleLabel_, &QLineEdit::editingFinished, this, &NoteView::renameOpenNote);
    connect(noteFileContentTextView_->document(), &QTextDocument::contentsChanged, this,
            &NoteView::scheduleSave);
    // Moving the caret or the selection while editing counts as an edit.
    connect(noteFileContentTextView_, &QTextEdit::cursorPositionChanged, this, [this] {
        if (noteFileContentTextView_->hasFocus())
            scheduleSave();
    });
    return noteFileContentView_;
}

void NoteView::setNoteTableListView(bool keepOpenNote) {
    // A new title shows in its row; the rows stay where they are, so the one
    // being clicked is the one that opens.
    if (renaming_)
        return;
    controller_.chooseNotesShown();
    const QList<store::FileModelPtr>& shown = controller_.selected_notesList;
    if (keepOpenNote && shown.contains(openNote_))
        controller_.selectGroup_ItemIndex = shown.indexOf(openNote_);
    notes_->setItems(shown, int(controller_.selectGroup_ItemIndex));
    noNoteFileIcon_->setVisible(shown.isEmpty());
    noteFileContentView_->setVisible(!shown.isEmpty());
    noteCellTableView_->scrollToTop();
    const store::FileModelPtr open = controller_.selectedNote();
    if (open == openNote_)
        return;
    closeOpenNote();
    openNote_ = open;
    loadOpenNote();
}

void NoteView::selectNoteRow(int row) {
    const store::FileModelPtr clicked = notes_->itemAt(row);
    if (clicked == nullptr)
        return;
    closeOpenNote();
    // A failed save told meanwhile may have let the column be rebuilt.
    const qsizetype position = controller_.selected_notesList.indexOf(clicked);
    if (position < 0)
        return;
    controller_.selectGroup_ItemIndex = position;
    notes_->setSelectedRow(int(position));
    openNote_ = clicked;
    loadOpenNote();
    emit userActed();
}

void NoteView::closeOpenNote() {
    // A title being typed is the open note's: it is given before another
    // note takes the field.
    if (!controllerGone()) {
        noteFileTitleLabel_->clearFocus();
        noteFileContentTextView_->clearFocus();
    }
    saveOpenNote();
}

void NoteView::loadOpenNote() {
    saveTimer_->stop();
    unsaved_ = false;
    loading_ = true;
    bool readable = openNote_ != nullptr;
    if (openNote_ == nullptr) {
        noteFileTitleLabel_->clear();
        createNoteTimeLabel_->clear();
        noteFileContentTextView_->clear();
    } else {
        noteFileTitleLabel_->setText(openNote_->name);
        createNoteTimeLabel_->setText(noteEditedText(*openNote_));
        // A package whose text cannot be read opens empty and read-only: an
        // edit would replace what is there with the empty note. A missing
        // text has nothing to lose.
        if (!notes::loadNotePackage(openNote_->path, noteFileContentTextView_->document())) {
            noteFileContentTextView_->clear();
            readable =
                !QFileInfo::exists(store::joinPath(openNote_->path, notes::kNoteMainFileName));
        }
    }
    loading_ = false;
    noteFileContentTextView_->setReadOnly(!readable);
}

void NoteView::addNoteAction() {
    closeOpenNote();
    // The new note opens, not the one open now.
    openNote_ = nullptr;
    if (controller_.addNoteAction() == nullptr) {
        setNoteTableListView();
        return;
    }
    setNoteTableListView();
    noteFileTitleLabel_->setFocus(Qt::OtherFocusReason);
    noteFileTitleLabel_->selectAll();
    emit userActed();
}

QMenu* NoteView::note_itemMenu(int row, QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    const store::FileModelPtr note = notes_->itemAt(row);
    for (int tag = 1; tag <= 2; ++tag) {
        if (tag == 2)
            menu->addSeparator();
        if (QAction* entry = addKeyedEntry(menu, QStringLiteral("note_Item%1").arg(tag), tag))
            connect(entry, &QAction::triggered, this,
                    [this, tag, note] { note_popAction(tag, note); });
    }
    return menu;
}

void NoteView::note_popAction(int tag, const store::FileModelPtr& note) {
    if (tag == 2) {
        addNoteAction();
        return;
    }
    if (tag != 1 || note == nullptr)
        return;
    // A change waiting for the deleted note must not bring its package back.
    if (note == openNote_) {
        saveTimer_->stop();
        unsaved_ = false;
        openNote_ = nullptr;
    } else {
        saveOpenNote();
    }
    controller_.deleteNote(note);
    setNoteTableListView(true);
}

QMenu* NoteView::applicationNotesDockMenu(QWidget* parent) {
    QMenu* menu = newDesignMenu(parent);
    // Descending order is offered as the file list offers sorting by state.
    const bool descendingOffered =
        controller_.selectGroupIndex <= controller_.catalogue().groupDirList.size();
    constexpr int kTags[] = {1, 2, 3, 7, 8};
    for (int position = 1; position <= 5; ++position) {
        const int tag = kTags[position - 1];
        if (position == 4)
            menu->addSeparator();
        addSortEntry(
            menu, QStringLiteral("NotesSortbyItem%1").arg(position), tag,
            tag <= 6 ? controller_.notesSortType == tag : controller_.isAscending == (tag == 7),
            position != 5 || descendingOffered,
            [this](int chosen, const QString& title) { NotesSortpopAction(chosen, title); });
    }
    return menu;
}

void NoteView::NotesSortpopAction(int tag, const QString& title) {
    controller_.NotesSortpopAction(tag);
    emit sortTitleChanged(platform::localizedText(QStringLiteral("SortBtn.title"), {title}));
    setNoteTableListView(true);
    emit userActed();
}

void NoteView::scheduleSave() {
    if (loading_ || openNote_ == nullptr || noteFileContentTextView_->isReadOnly())
        return;
    unsaved_ = true;
    saveTimer_->start();
}

void NoteView::followOpenNotePackage() {
    if (openNote_ != nullptr)
        notes::notePackageMoved(openNote_->path, noteFileContentTextView_->document());
}

void NoteView::saveOpenNote() {
    if (unsaved_)
        writeOpenNote();
}

bool NoteView::writeOpenNoteTo(const QString& packagePath, QString* error) {
    // A list file may name any folder as a note's package, and a save
    // replaces the package whole.
    if (!vault::isInNotesFolder(packagePath)) {
        *error = packagePath + QStringLiteral(": not in the vault's notes folder");
        return false;
    }
    return notes::saveNotePackage(packagePath, *noteFileContentTextView_->document(), error);
}

void NoteView::writeOpenNote() {
    saveTimer_->stop();
    if (openNote_ == nullptr)
        return;
    QString error;
    if (writeOpenNoteTo(openNote_->path, &error)) {
        unsaved_ = false;
        failureTold_ = false;
        if (!controllerGone())
            emit userActed();
        return;
    }
    qCWarning(lcVexo, "could not save the note %s: %s", qUtf8Printable(openNote_->path),
              qUtf8Printable(error));
    // Told once, not at every key that follows.
    if (controllerGone() || std::exchange(failureTold_, true))
        return;
    controller_.catalogue().prompt().alert({vault::Prompt::Style::Warning,
                                            QStringLiteral("noteNotSaved"),
                                            {openNote_->name},
                                            {},
                                            error,
                                            {QStringLiteral("PasswordSucOk.StringValue")}});
}

void NoteView::renameOpenNote() {
    const QString title = noteFileTitleLabel_->text();
    if (controllerGone() || openNote_ == nullptr || title.isEmpty() || title == openNote_->name)
        return;
    // The package moves with what was typed so far.
    saveOpenNote();
    const bool fromOutside = !vault::isInNotesFolder(openNote_->path);
    renaming_ = true;
    const bool renamed = controller_.renameNote(openNote_, title);
    renaming_ = false;
    if (renamed) {
        notes_->itemChanged(openNote_);
        // A package from outside the notes folder is not moved but started
        // anew in it; the note's text goes there.
        if (!fromOutside)
            notes::notePackageMoved(openNote_->path, noteFileContentTextView_->document());
        else if (!noteFileContentTextView_->isReadOnly())
            writeOpenNote();
    }
    emit userActed();
}

void NoteView::changeFont(const QFont& font) {
    QTextCharFormat format;
    format.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    noteFileContentTextView_->mergeCurrentCharFormat(format);
}

void NoteView::changeColor(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    noteFileContentTextView_->mergeCurrentCharFormat(format);
}

void NoteView::showFontPanel() {
    if (openNote_ == nullptr || noteFileContentTextView_->isReadOnly())
        return;
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, noteFileContentTextView_->currentFont(), this);
    if (chosen)
        changeFont(font);
}

void NoteView::showColorPanel() {
    if (openNote_ == nullptr || noteFileContentTextView_->isReadOnly())
        return;
    const QColor colour = QColorDialog::getColor(noteFileContentTextView_->textColor(), this);
    if (colour.isValid())
        changeColor(colour);
}

} // namespace vexo::ui
