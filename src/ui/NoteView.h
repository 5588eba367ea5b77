#pragma once

#include "store/FileModel.h"
#include "vault/MainViewController.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace vexo::ui {

class NoteListModel;
class NoteTextEdit;
class RowListView;

// The note view, laid over the file list while a note group is selected: the
// note column with its add button and the picture of an empty column, and the
// editor of the open note (title, date line, rich text). Every change is
// written to the note's package a moment after it is made, and at once when
// another note opens, the view is hidden (a lock, the window closing) or
// goes, or the title changes. A change that could not be written is tried
// again at each of these.
class NoteView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 220;
    static constexpr int kSaveDelayMs = 300;

    explicit NoteView(vault::MainViewController& controller, QWidget* parent = nullptr);
    ~NoteView() override;

    NoteListModel& notes() { return *notes_; }
    NoteTextEdit* editor() const { return noteFileContentTextView_; }
    QLineEdit* titleField() const { return noteFileTitleLabel_; }
    // The note the editor shows; null when the column is empty.
    store::FileModelPtr openNote() const { return openNote_; }

    // Rebuilds the note column from the controller's choice and opens the note
    // at its selected position. keepOpenNote: the note open now stays open
    // when it is still listed (a sort or a list save), instead of the one at
    // the position.
    void setNoteTableListView(bool keepOpenNote = false);
    // A click on the row: that note opens.
    void selectNoteRow(int row);
    // A new note in the selected note group, opened with its title ready to
    // be typed.
    void addNoteAction();
    // The menu of the row's note; its entries act on that note even when the
    // column is rebuilt while the menu is open.
    QMenu* note_itemMenu(int row, QWidget* parent);
    // A note-menu entry: 1 deletes note, 2 adds a note.
    void note_popAction(int tag, const store::FileModelPtr& note);
    QMenu* applicationNotesDockMenu(QWidget* parent);
    // A notes sort entry (1-3 a key, 7 ascending, 8 descending) titled title.
    void NotesSortpopAction(int tag, const QString& title);

    // Writes the open note now when a change waits to be written.
    void saveOpenNote();
    // The open note's package may have moved with the vault folder: the
    // editor learns its place, so its pictures are kept as they are there.
    void followOpenNotePackage();
    // The font and colour choices for the selected text (the chosen font's
    // family, size and style; the text's colour).
    void changeFont(const QFont& font);
    void changeColor(const QColor& colour);
    // The font and colour dialogs, for the selected text.
    void showFontPanel();
    void showColorPanel();

signals:
    // The user did something that restarts the idle time.
    void userActed();
    void sortTitleChanged(const QString& title);
    void pathsDropped(const QStringList& paths);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildColumn();
    QWidget* buildEditor();
    // Gives a title being typed to the open note and writes what waits to be
    // written, as before another note opens.
    void closeOpenNote();
    void loadOpenNote();
    void scheduleSave();
    void writeOpenNote();
    void renameOpenNote();

    // The controller is a part of the main view that goes before this view
    // does: from then on a waiting change is only written.
    bool controllerGone() const { return controllerLife_.isNull(); }
    // A package is only ever replaced in the vault's notes folder.
    bool writeOpenNoteTo(const QString& packagePath, QString* error);

    vault::MainViewController& controller_;
    QPointer<QObject> controllerLife_;
    NoteListModel* notes_;
    RowListView* noteCellTableView_ = nullptr;
    QLabel* noNoteFileIcon_ = nullptr;
    QWidget* noteFileContentView_ = nullptr;
    QLineEdit* noteFileTitleLabel_ = nullptr;
    QLabel* createNoteTimeLabel_ = nullptr;
    NoteTextEdit* noteFileContentTextView_ = nullptr;
    QTimer* saveTimer_;
    store::FileModelPtr openNote_;
    bool loading_ = false;
    bool unsaved_ = false;     // a change of the open note waits to be written
    bool renaming_ = false;    // the column keeps its rows while a rename saves the list
    bool failureTold_ = false; // a failed save was reported; the next success re-arms
};

} // namespace vexo::ui
