#pragma once

#include <unistd.h>
#include <utility>

namespace vexo::platform {

// Owns a POSIX file descriptor and closes it when it goes out of scope.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes the descriptor; false when close(2) reports an error, which for a
    // written file means its data may not have reached the disk.
    bool reset() {
        if (fd_ < 0)
            return true;
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0;
    }

private:
    int fd_ = -1;
};

} // namespace vexo::platform
