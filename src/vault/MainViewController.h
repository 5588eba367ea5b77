#pragma once

#include "store/GroupModel.h"
#include "vault/Prompt.h"
#include "vault/VaultCatalogue.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace vexo::platform {
class VolumeMonitor;
struct MountedVolume;
} // namespace vexo::platform

namespace vexo::vault {

struct VerificationSummary;

// The vault while it is unlocked: the selection, the sort order and every
// operation on the catalogue. A new controller is made at each unlock and
// dropped at the lock; the catalogue it works on outlives it.
class MainViewController : public QObject {
    Q_OBJECT
public:
    explicit MainViewController(VaultCatalogue& catalogue, QObject* parent = nullptr);

    // Fills the catalogue on the first unlock (and keeps it on later ones),
    // reopens the remembered drive vaults whose drives are mounted and makes
    // the vault's folders when they are missing.
    // False when another program has the vault open (the user is told);
    // nothing has been read or written then. False too when a missing vault
    // folder could not be made again (the user is told).
    bool setUp(bool firstRun = false);

    // The digest recorded for an item when it is added and checked when it is
    // unhidden: MD5 of a regular file, empty for anything else.
    static QString getMD5ForPath(const QString& path);

    VaultCatalogue& catalogue() { return catalogue_; }

    // Switches one item between visible and hidden. The item shows its target
    // state at once; the work runs on a worker thread and its outcome is
    // applied on the main thread, which writes the list file and then calls
    // completed (not after a cancel).
    void visableChange(const store::FileModelPtr& item, std::function<void()> completed = {});

    // Follows drives coming and going: a new drive's first vault folder that
    // is not open yet is opened; a drive's vaults close when it goes.
    void addUSBNotification(platform::VolumeMonitor& monitor);
    void deviceMounted(const platform::MountedVolume& volume);
    void deviceUnmounted();

    // Opens the drive vault folder at path (volume root / drive / *.vlt),
    // asking for its password unless it was made here with the current
    // master password. 0 when it is open or its drive is absent, 1 when the
    // user cancelled or gave a wrong password.
    int openDriveVault(const QString& path);

    // Groups of a section ("systemDevicName", a drive-vault key or
    // "systemDevicNoteName"). A new group goes just above the add row, named
    // by "group_Item4", selected and in name editing; file groups are saved at
    // once, note groups when their name is set. Null when the section is a
    // drive vault whose drive is gone.
    store::GroupModelPtr createGroup(QString section);
    void renameGroup(const store::GroupModelPtr& group, const QString& name);
    // Deletes the group at index; its items move to the end of the section's
    // "all" group (a note group's notes go with it; their packages stay on
    // disk). The header, the "all" group and the add row cannot be deleted.
    bool deleteGroup(const QString& section, qint64 index);

    // Gives the drive vault key a new password: its digest goes on every row
    // of the vault, in memory and in the drive's list file, so later saves
    // keep it. False when the list file could not be written.
    bool changeDriveVaultPassword(const QString& key, const QString& newPassword);

    // The part of locking that concerns the vault: drive vaults whose drive is
    // gone are closed. The catalogue, with the drive vaults still open and
    // any work still running, lives on for the next unlock; the controller is
    // dropped by its owner afterwards.
    void lockvexoAction();

    // The vault folder was moved from from to to (moveVaultFolder, which
    // hands over newHold when it copied) and the root setting names to: the
    // vault is held in its new place and the notes list names the packages
    // there.
    void vaultFolderMoved(const QString& from, const QString& to, platform::UniqueFd newHold);

    // The cancel button: asks the running hide or unhide to stop at its next
    // step; the run then ends as cancelled and leaves the item as it was.
    void encryptCancelBtnAction();

    // Checks the stored copies of the hidden ones among items, writing
    // nothing (see verifyHiddenItems); the cancel button ends it early.
    void verifyItems(QList<store::FileModelPtr> items,
                     std::function<void(const VerificationSummary&)> finished);
    // Checks the stored copy of every hidden item of every open vault (as
    // verifyItems does) and tells the user how they are, naming the items
    // whose copy is missing or damaged by their place.
    void checkVaultAction();

    // Selection and order of the file list.
    qint64 selectGroupIndex = 1;
    QString selectGroupName = store::kSystemDevicName;
    qint64 selectGroup_ItemIndex = 0;
    qint64 sortType = 1;
    bool isAscending = true;

    // The group whose items the file list shows; null when none is selected.
    store::GroupModelPtr selectedGroup() const;

    // What the file list's left bottom button does next: 2 hide the selected
    // item, 3 unhide it (1 and 4 only name the button). Its title is the key
    // "file_Item<doFileType>".
    qint64 doFileType = 2;

    // Selects the group at groupIndex of the section groupName and the first
    // of its items.
    void select(const QString& groupName, qint64 groupIndex);

    // Selects the item at index of the shown list; the left bottom button
    // then offers the other state of that item.
    void selectItemAt(qint64 index);

    // The selected item of the file list; null when the list is empty.
    store::FileModelPtr selectedItem() const;

    // The menu's hide and unhide commands: switch the selected item when it
    // is in the other state.
    void hideItemAction();
    void unHideItemAction();

    // The left bottom button: performs doFileType on the selected item.
    void fileTypeButtonAction();

    // The items the file list shows, in display order, and the search.
    QList<store::FileModelPtr> selected_ItemList;
    QList<store::FileModelPtr> searchFiles;
    QString searchText;

    // Chooses the items to show (a group's own items; for "All files" every
    // item of the vault; the search results while searching) and sorts them
    // by sortType and isAscending. A group's own list is sorted in place, so
    // the next save keeps that order. The sort clears the cancel marks of the
    // items it orders, unless a run is under way.
    void chooseItemsShown();

    // Runs the search for text (case-insensitive part of the name) over the
    // selected group's own items, or over every note while a note group is
    // selected, then chooses what is shown.
    void controlTextDidChange(const QString& text);

    // Adding. The two choosers (any files and folders; drive vault folders
    // offered first) hand what the user chose to AddFileActionForPaths. One
    // chosen whole drive stands for its top-level entries.
    void addFilesAction();
    void addGroupAction();
    // Adds the paths as new items and hides them one after the other. Paths
    // already in the vault, missing ones, links and the vault's own folders
    // are left out. A first path that is a drive vault folder (".vlt") opens
    // that vault instead, and only then is comPleted called: 0 when it is
    // open (or there was nothing to open), 1 when opening was refused.
    void AddFileActionForPaths(const QStringList& paths, std::function<void(int)> comPleted = {});
    // The adding walk: hides items from index on. A cancel leaves the item
    // being hidden and every later one visible, listed and marked cancelled.
    void encryptModel(const QList<store::FileModelPtr>& items, qsizetype index = 0);
    // True when the drive named volume holds an NTFS file system, where drive
    // vaults are refused.
    bool isNTFSDisk_DAVolumeKind(const QString& volume) const;

    // The bulk button of the item menu: hides every item of the selected
    // vault when doFileType is 1 or 2, else unhides every item.
    void UnhideFileOrHideFileAction();
    // Hides every item of group groupIndex, from item fileIndex on, of the
    // local vault or of the selected drive vault.
    void hiddenAllItemFileModel(qint64 groupIndex, qint64 fileIndex = 0);
    void hiddenUPAllItemFileModel(qint64 groupIndex, qint64 fileIndex = 0);
    // Unhides item so it can be opened (the row's open button).
    void deCodeAESAtFilemodel(const store::FileModelPtr& item);

    // Secure notes. A note's package is a folder in the vault's "Notes"
    // folder holding "TXT.rtf" and its attachments.
    QList<store::FileModelPtr> selected_notesList;
    qint64 notesSortType = 1;

    // Every change below saves the note list and ends with listsChanged(Notes).

    // Creates a note titled "Untitled Note" with a new, empty package in the
    // selected note group (in "All notes", which becomes selected, when no
    // note group is), ends a running search so the note is shown, and opens
    // it wherever the sort order puts it; the note. Null when the note list
    // has no "All notes" row.
    store::FileModelPtr addNoteAction();
    // Drops the note from its group and from the search results, renumbers
    // the notes after it and removes its package, unless another note still
    // uses it or it lies outside the notes folder.
    void deleteNote(const store::FileModelPtr& note);
    // Gives the note a new title and moves its package, attachments and all,
    // to a folder named after it that nothing else uses. An empty or unchanged
    // title changes nothing; false then, or when the package could not be
    // moved (the note then keeps its title). The column is not re-sorted.
    bool renameNote(const store::FileModelPtr& note, const QString& title);
    // The notes sort menu: 7 ascending, 8 descending, up to 6 the sort key
    // (1 added date, 2 title, 3 creation date; any other added date).
    void NotesSortpopAction(qint64 tag);
    // Chooses the notes the note column shows (the search results, every note
    // for "All notes", else the group's own list, sorted in place so the next
    // save keeps that order) and recreates a missing package empty.
    void chooseNotesShown();
    // The note open in the editor; null when the column is empty.
    store::FileModelPtr selectedNote() const;

    // Takes item off its list. A visible item goes at once; a hidden one only
    // after the user confirms and it has been unhidden. completed runs when
    // the removal has ended, whether the item went or stayed.
    void removeItemFromList(const store::FileModelPtr& item, std::function<void()> completed = {});

signals:
    // The controller moved the selection itself (an addition, a drive that
    // went away, a new group); views show the group selected now.
    void selectionChanged();

private:
    void reopenRememberedDriveVaults();
    bool loadOrCreateLocalLists();
    void tellListUnreadable();
    bool refuseSwitch(const store::FileModel& item);
    bool driveVaultPasswordAccepted(const QString& listFile);
    store::GroupList* sectionList(const QString& section);
    void saveSection(const QString& section);
    store::GroupModelPtr noteGroupForNewNote();
    store::GroupModelPtr noteGroupHolding(const store::FileModelPtr& note) const;
    QStringList notePackagePaths(const store::FileModel* except = nullptr) const;
    void removeNotePackage(const store::FileModel& note);
    void searchNotes(const QString& text);

    // Adding, in steps.
    QStringList pathsToAdd(const QStringList& paths);
    store::GroupModelPtr targetGroupForAdding(const QStringList& paths);
    std::optional<QString> driveVaultForAdding(const QString& volume, const QStringList& paths);
    std::optional<QString> askVaultName(const QString& candidate);
    bool chooseExistingDriveVault(const QStringList& paths);
    bool vaultFolderUsable(const store::GroupModel& target);
    QList<store::FileModelPtr> newItems(const QStringList& paths, const store::GroupModel& target);
    bool roomOnDriveFor(const QList<store::FileModelPtr>& items);
    QStringList wholeVolumeEntries(const QString& path);
    void addChosenPaths(const Prompt::FileChoice& choice);

    VaultCatalogue& catalogue_;
    platform::VolumeMonitor* volumeMonitor_ = nullptr;
};

} // namespace vexo::vault
