#pragma once

#include "store/GroupModel.h"
#include "vault/Reconcile.h"
#include "vault/SecureEraser.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <map>

namespace vexo::platform {
class VolumeMonitor;
} // namespace vexo::platform

namespace vexo::vault {

class Prompt;

// Which list file a change goes to.
enum class ListSelector { LocalFiles = 0, DriveVaults = 1, Notes = 2 };

// The vault's catalogue in memory: the local file groups, the note groups and
// the open removable-drive vaults, with the list files that persist them.
// It lives on the main thread for the whole unlocked-or-locked life of the
// application, so work that ends after a lock still records its outcome here.
// Only the main thread changes the lists or writes the files.
class VaultCatalogue : public QObject {
    Q_OBJECT
public:
    // prompt reaches the user for outcomes that arrive after the controller
    // that started the work is gone.
    explicit VaultCatalogue(Prompt& prompt, QObject* parent = nullptr);
    ~VaultCatalogue() override;

    Prompt& prompt() { return prompt_; }

    // The threads that hide and unhide; finished work posts its outcome back
    // to the main thread.
    QThreadPool& workers() { return workers_; }
    // Runs job on one of the workers.
    void startWork(std::function<void()> job);

    // Erases what hides leave behind when the user asks for it; the
    // catalogue's end waits for it.
    SecureEraser& secureEraser() { return eraser_; }

    // Called on the worker thread after every step of a run with the item's
    // bytes done so far; for tools that follow a run closely (and tests).
    std::function<void(const store::FileModelPtr&, qint64 done)> progressObserver;

    // Writes the thumbnail of an item being added to thumbnailPath (see
    // platform::writeItemThumbnail); unset where no pictures are shown.
    std::function<bool(const QString& source, const QString& thumbnailPath, bool isPicture)>
        thumbnailWriter;

    // Writes the list file that holds item: the local list or its drive vault's.
    bool saveListOf(const store::FileModel& item);

    // Writes the list that holds item a moment later instead of now: a walk
    // changes the list after every item, and writing the whole list each
    // time would cost the square of its length. Until then the list file may
    // lag behind the disk, which the check at load puts right.
    void scheduleSaveListOf(const store::FileModel& item);
    // Writes every list whose save is pending.
    void flushPendingSaves();
    // How many list writes have been made so far, written or not. A run that
    // ends without a list write of its own compares it with the count at its
    // start: a change meanwhile may have recorded its item in the state the
    // run was heading for.
    quint64 listWrites() const { return listWrites_; }

    // A hide, unhide or walk starts or has had its outcome applied; the
    // catalogue ended while one is under way leaves its vaults to be checked
    // at the next start.
    void runStarted() { ++runsUnderWay_; }
    void runEnded() { --runsUnderWay_; }
    // Whether a hide, unhide or walk has not had its outcome applied yet.
    bool runsUnderWay() const { return runsUnderWay_ > 0; }

    store::GroupList groupDirList;
    store::GroupList groupNoteList;
    QMap<QString, store::GroupList> UPLibrary; // drive-vault key -> its groups

    // Replaces groupDirList / groupNoteList with the list files' content; a
    // missing file leaves the list empty. A file that exists but cannot be
    // read is moved aside (see keepUnreadableAside) so that no later save
    // overwrites it, and the list is left empty; false then.
    bool setGroupDirListSource();
    bool setNotesListSource();

    // Writes one kind of list. For the drive vaults, only the vault under
    // selectedKey is written (when its folder exists), and the setting
    // KUPNAMES is replaced by every open vault's key.
    bool SaveGroupList(ListSelector kind, const QString& selectedKey = {});

    // Writes the drive vault's list; a non-empty password digest is stored on
    // every row (a new vault password).
    bool saveUpListForName(const QString& key, const QString& password = {});

    // Opens the drive vault key on drive: reads its list file into UPLibrary,
    // or, when there is none that can be read, creates the default list and
    // writes it.
    void moveUpList(const QString& drive, const QString& key);

    // Takes the vault in vaultFolder for this catalogue until it ends (see
    // openSessionOf).
    SessionStart beginSession(const QString& vaultFolder);
    // The vault held in from now lies in to. A copy comes with the hold
    // taken on it (newHold), and the hold on from is let go; a renamed
    // vault keeps its hold, which follows the renamed lock file.
    void moveSession(const QString& from, const QString& to, platform::UniqueFd newHold);

    // Drops every open drive vault whose folder is gone; the keys dropped.
    QStringList dropGoneDriveVaults();
    // The same, telling the user once for each vault dropped.
    void dropGoneDriveVaultsAndTell();
    // Tells the user that another program has the vault in vaultFolder open.
    void tellVaultInUse(const QString& vaultFolder);

signals:
    // Drive vaults whose drive went away were closed.
    void driveVaultsDropped(const QStringList& keys);
    // A list changed in memory; views rebuild from the catalogue.
    void listsChanged(vexo::vault::ListSelector kind);
    // An item's state or run changed; its row redraws.
    void itemChanged(const vexo::store::FileModelPtr& item);
    // How far the item's run has come, 0 to 1.
    void itemProgress(const vexo::store::FileModelPtr& item, float fraction);
    // The progress panel's line and whether work is running.
    void progressStateChanged(const QString& text, bool running);

private:
    bool saveListNamed(const QString& groupName);

    Prompt& prompt_;
    QThreadPool workers_;
    SecureEraser eraser_;
    QSet<QString> pendingSaves_;                     // groupName of each list to write
    std::map<QString, platform::UniqueFd> sessions_; // vault folder -> its lock
    int runsUnderWay_ = 0;
    quint64 listWrites_ = 0;
    QTimer saveTimer_;
};

// Renames an unreadable list file to "<name>.unreadable-<seconds>" beside it,
// so the catalogue it may still hold is never overwritten; the new path, or
// empty when it could not be moved.
QString keepUnreadableAside(const QString& listFile);

// The drive name of a drive-vault key ("USB1" of "USB1/Vault.vlt") and its
// vault folder name ("Vault.vlt").
QString driveOfKey(const QString& key);
QString vaultFolderOfKey(const QString& key);

// True when the drive named volume holds an NTFS file system, where drive
// vaults are refused; monitor lists the mounted drives (null: read the
// system's mount table).
bool isNtfsDrive(const QString& volume, const platform::VolumeMonitor* monitor = nullptr);

} // namespace vexo::vault
