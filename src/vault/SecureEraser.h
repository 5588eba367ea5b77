#pragma once

#include "cipher/SecureErase.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vexo::vault {

// Overwrites and removes what hidden items left behind, one tree after
// another on a thread of its own: a large file takes seconds, which the main
// thread must not wait for. Its end waits for every erase handed to it, so a
// normal exit never cuts one short.
class SecureEraser {
public:
    SecureEraser() = default;
    ~SecureEraser();
    SecureEraser(const SecureEraser&) = delete;
    SecureEraser& operator=(const SecureEraser&) = delete;

    // Queues the tree at path to be overwritten with method and removed.
    void erase(const QString& path, cipher::EraseMethod method);

    // Returns once every erase queued so far has ended.
    void waitUntilDone();

    // Called on the eraser's thread just before each erase starts, with its
    // path; for tests that look at the disk at that moment.
    void setBeforeErase(std::function<void(const QString& path)> hook);

private:
    struct Job {
        QString path;
        cipher::EraseMethod method;
    };

    void serve();

    std::mutex mutex_;
    std::condition_variable jobAdded_;
    std::condition_variable allDone_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::function<void(const QString&)> beforeErase_;
    std::thread thread_;
};

// Main thread, once a hide's stored copy is complete: removes the item's
// source at path. With the secure-erase setting on, the source first leaves
// its place in one rename and eraser overwrites it where it went, so nothing
// half overwritten ever stands at the item's place; otherwise it is removed
// plainly. True when nothing is left at path.
bool removeHiddenSource(const QString& path, SecureEraser& eraser);

} // namespace vexo::vault
