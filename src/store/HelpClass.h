#pragma once

#include "store/FileModel.h"

#include <atomic>
#include <mutex>

namespace vexo::store {

// The engine's process-wide state: the user's cancel command and the item the
// current walk works on.
class HelpClass {
public:
    static HelpClass& sharedInstance();

    bool isEditCancel() const { return isEditCancel_.load(); }
    void setIsEditCancel(bool cancel) { isEditCancel_.store(cancel); }

    FileModelPtr editModel() const;
    void setEditModel(FileModelPtr model);

    // editModel() of the shared instance.
    static FileModelPtr fileModel() { return sharedInstance().editModel(); }

private:
    HelpClass() = default;

    std::atomic<bool> isEditCancel_{false};
    mutable std::mutex editModelLock_;
    FileModelPtr editModel_;
};

} // namespace vexo::store
