#include "store/HelpClass.h"

namespace vexo::store {

HelpClass& HelpClass::sharedInstance() {
    static HelpClass* const instance = new HelpClass; // lives until the process ends
    return *instance;
}

FileModelPtr HelpClass::editModel() const {
    const std::lock_guard locker(editModelLock_);
    return editModel_;
}

void HelpClass::setEditModel(FileModelPtr model) {
    const std::lock_guard locker(editModelLock_);
    editModel_ = std::move(model);
}

} // namespace vexo::store
