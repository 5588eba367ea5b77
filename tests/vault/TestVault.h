#pragma once

#include "ScriptedPrompt.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/GroupFolderName.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"
#include "vault/MainViewController.h"

#include <QDir>
#include <QFileInfo>
#include <QSemaphore>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

namespace vexo::test {

// A fresh vault at root with the master password "master", its catalogue and
// a controller set up as after an unlock, answering prompts from a script.
struct TestVault {
    explicit TestVault(const QString& root) {
        useVaultAt(root);
        QObject::connect(&catalogue, &vault::VaultCatalogue::progressStateChanged,
                         [this](const QString&, bool now) { running = now; });
        controller.setUp();
    }

    // Clears the settings and points them at a vault at root with the master
    // password "master"; the root folder exists, as a finished first run
    // leaves it.
    static void useVaultAt(const QString& root) {
        clearSettings();
        QDir().mkpath(root);
        platform::Settings::setValue(platform::keys::kRootDirKey, root);
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("master"));
    }

    // Adds paths and waits until their hiding walk has ended.
    bool addAndWait(const QStringList& paths) {
        controller.AddFileActionForPaths(paths);
        return waitUntilIdle();
    }

    bool waitUntilIdle() {
        return QTest::qWaitFor([this] { return !running; }, 20000);
    }

    // Waits until every run started has had its outcome applied, where
    // waitUntilIdle could be misled by another run ending first.
    bool waitUntilRunsEnded() {
        catalogue.workers().waitForDone();
        return QTest::qWaitFor([this] { return !catalogue.runsUnderWay(); }, 20000);
    }

    // Switches item and waits until its outcome is applied; false when it
    // never is (a cancelled run, for one).
    bool switchAndWait(const store::FileModelPtr& item) {
        const auto completed = std::make_shared<bool>(false);
        controller.visableChange(item, [completed] { *completed = true; });
        catalogue.workers().waitForDone();
        return QTest::qWaitFor([completed] { return *completed; }, 20000);
    }

    // The item listed for path, in the local vault or an open drive vault;
    // null when none is.
    store::FileModelPtr itemAt(const QString& path) const {
        QList<store::GroupList> vaults = catalogue.UPLibrary.values();
        vaults.prepend(catalogue.groupDirList);
        for (const auto& groups : vaults)
            for (const auto& group : groups)
                for (const auto& item : group->fileModels)
                    if (item->path == path)
                        return item;
        return nullptr;
    }

    // The groups the local and the note list files hold; none when the file
    // cannot be read.
    static store::GroupList savedLocalList() {
        return store::readGroupList(store::AppGroupDirListPath(), store::ListKind::Local,
                                    store::kSystemDevicName)
            .value_or(store::GroupList());
    }
    static store::GroupList savedNoteList() {
        return store::readGroupList(store::AppGroupNotesListPath(), store::ListKind::Notes,
                                    store::kSystemDevicNoteName)
            .value_or(store::GroupList());
    }

    // The groups the list file of the drive vault key holds; none when it
    // cannot be read.
    static store::GroupList savedDriveList(const QString& key) {
        const QString drive = vault::driveOfKey(key);
        return store::readGroupList(
                   store::AppGroupMoveUPListPath(drive, vault::vaultFolderOfKey(key)),
                   store::ListKind::Drive, key, drive)
            .value_or(store::GroupList());
    }

    // Whether the saved groups (the local list file unless given) say the item
    // at path is hidden; nullopt when they do not list it.
    static std::optional<bool> listedHidden(const QString& path,
                                            const store::GroupList& saved = savedLocalList()) {
        for (const auto& group : saved)
            for (const auto& item : group->fileModels)
                if (item->path == path)
                    return item->isEncrtypt.load();
        return std::nullopt;
    }

    // Writes content to a new file at path and lists it in group as a
    // visible item, the way an addition records it before hiding it.
    static store::FileModelPtr listVisibleItem(const store::GroupModelPtr& group,
                                               const QString& path, const QByteArray& content) {
        writeFile(path, content);
        auto item = std::make_shared<store::FileModel>();
        item->path = path;
        item->name = QFileInfo(path).fileName();
        item->groupName = group->groupName;
        item->groupIndex = group->index;
        item->fileIndex = group->fileModels.size();
        item->fileSize = content.size();
        item->md5CodePath = vault::MainViewController::getMD5ForPath(path);
        item->encryptedPath = group->path + u'/' + store::itemStoreName(path);
        group->fileModels.append(item);
        return item;
    }

    ScriptedPrompt prompt;
    vault::VaultCatalogue catalogue{prompt};
    vault::MainViewController controller{catalogue};
    bool running = false; // a hide or unhide is under way
};

// A gate that worker jobs wait at until the test opens it. It opens by
// itself when it goes, so a case that ends early leaves no worker waiting.
class Gate {
public:
    Gate() = default;
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    ~Gate() { open(); }

    // What a worker runs to wait at the gate. It holds the gate's state, so it
    // may outlive the gate.
    std::function<void()> waiter() const {
        return [state = state_] {
            state->reached = true;
            state->open.acquire();
            state->open.release(); // whoever comes later passes too
        };
    }
    // Whether a worker has come to the gate.
    bool reached() const { return state_->reached; }
    void open() {
        if (!std::exchange(opened_, true))
            state_->open.release();
    }

    // Leaves catalogue one worker and makes it wait here: work started
    // meanwhile queues until the gate opens, as when every worker is busy.
    void holdWorkersOf(vault::VaultCatalogue& catalogue) const {
        catalogue.workers().setMaxThreadCount(1);
        catalogue.workers().start(waiter());
    }

private:
    struct State {
        std::atomic<bool> reached{false};
        QSemaphore open;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
    bool opened_ = false;
};

// The names of items, in their order.
inline QStringList namesOf(const QList<store::FileModelPtr>& items) {
    QStringList names;
    for (const auto& item : items)
        names << item->name;
    return names;
}

// "a b c" as the list of its words.
inline QStringList words(const char* spaced) {
    return QString::fromUtf8(spaced).split(u' ');
}

// The wiring of a test class whose cases each work in a vault of their own.
// startCase() (from init()) gives the case a new folder below the scratch
// root, "case-N" with the vault at "case-N/v.vlt", and a drive of its own,
// "USBN" with its folder made, and opens the vault; endCase() (from
// cleanup()) lets running work finish and closes the vault.
class VaultFixture {
protected:
    void startCase() {
        newCase();
        openVault();
    }
    // The case's folder and drive without opening the vault.
    void newCase() {
        ++cases_;
        base_ = scratchRoot() + QStringLiteral("/case-%1").arg(cases_);
        drive_ = QStringLiteral("USB%1").arg(cases_);
        QDir().mkpath(platform::volumePath(drive_));
    }
    void endCase() {
        if (vault_)
            vault_->catalogue.workers().waitForDone();
        closeVault();
    }

    void openVault() { vault_ = std::make_unique<TestVault>(vaultRoot()); }
    // Ends the vault at once, as quitting the application does, even while
    // work runs.
    void closeVault() { vault_.reset(); }
    // The vault again, as the next start after a clean close finds it.
    void reopenVault() {
        endCase();
        openVault();
    }

    TestVault& vault() { return *vault_; }
    ScriptedPrompt& prompt() { return vault_->prompt; }
    vault::VaultCatalogue& catalogue() { return vault_->catalogue; }
    vault::MainViewController& controller() { return vault_->controller; }
    // The local vault's "All files" group.
    store::GroupModelPtr allFiles() { return vault_->catalogue.groupDirList.at(1); }

    const QString& base() const { return base_; }
    const QString& drive() const { return drive_; }
    QString vaultRoot() const { return base_ + QStringLiteral("/v.vlt"); }
    // The key of the drive vault folder name on the case's drive, and its path.
    QString driveKey(const QString& name) const { return drive_ + u'/' + name; }
    QString driveVaultPath(const QString& name) const {
        return platform::volumePath(driveKey(name));
    }

    // A file with content at relative below the case folder, or on its drive.
    QString place(const QString& relative, const QByteArray& content) const {
        return placeFile(base_, relative, content);
    }
    QString onDrive(const QString& relative, const QByteArray& content) const {
        return placeFile(platform::volumePath(drive_), relative, content);
    }

private:
    inline static int cases_ = 0;
    QString base_;
    QString drive_;
    std::unique_ptr<TestVault> vault_;
};

} // namespace vexo::test
