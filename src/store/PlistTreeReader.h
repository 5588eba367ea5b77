#pragma once

#include "store/PlistTokens.h"

#include <cstdlib>
#include <memory>
#include <plist/plist.h>
#include <vector>

namespace vexo::store {

// Hands out a libplist tree as tokens, so lists that libplist reads (the
// binary form) fill their records through the same code as XML ones. The
// tree must outlive the reader; the walk needs no recursion.
class PlistTreeReader final : public PlistTokenSource {
public:
    explicit PlistTreeReader(plist_t root);

    PlistToken next() override;

private:
    struct FreeWithFree {
        void operator()(void* memory) const { std::free(memory); }
    };
    using MallocPtr = std::unique_ptr<void, FreeWithFree>;

    struct Frame {
        plist_t container;
        uint32_t nextIndex = 0; // arrays
        MallocPtr iterator;     // dictionaries
        plist_t pendingValue{}; // dictionaries: the value after the key just given
    };

    PlistToken enter(plist_t node);

    plist_t root_;
    bool started_ = false;
    bool failed_ = false;
    std::vector<Frame> frames_;
    MallocPtr key_; // text of the last Key token
};

} // namespace vexo::store
