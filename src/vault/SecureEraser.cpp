#include "vault/SecureEraser.h"

#include "cipher/HiddenFile.h"
#include "platform/Settings.h"

namespace vexo::vault {

namespace keys = platform::keys;

SecureEraser::~SecureEraser() {
    waitUntilDone();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobAdded_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void SecureEraser::erase(const QString& path, cipher::EraseMethod method) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back({path, method});
        if (!thread_.joinable())
            thread_ = std::thread(&SecureEraser::serve, this);
    }
    jobAdded_.notify_one();
}

void SecureEraser::waitUntilDone() {
    std::unique_lock lock(mutex_);
    allDone_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void SecureEraser::setBeforeErase(std::function<void(const QString& path)> hook) {
    const std::lock_guard lock(mutex_);
    beforeErase_ = std::move(hook);
}

void SecureEraser::serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        jobAdded_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return;
        const Job job = jobs_.front();
        jobs_.pop_front();
        busy_ = true;
        const auto hook = beforeErase_;
        lock.unlock();
        if (hook)
            hook(job.path);
        cipher::eraseTree(job.path, job.method);
        lock.lock();
        busy_ = false;
        if (jobs_.empty())
            allDone_.notify_all();
    }
}

bool removeHiddenSource(const QString& path, SecureEraser& eraser) {
    if (platform::Settings::value(keys::kEraseremainingfiledatasecurelyafterhiding) == 0)
        return cipher::removeItemAside(path);
    const cipher::EraseMethod method =
        cipher::eraseMethodOf(platform::Settings::value(keys::Secureerasemethod));
    return cipher::removeItemAside(
        path, [&eraser, method](const QString& aside) { eraser.erase(aside, method); });
}

} // namespace vexo::vault
