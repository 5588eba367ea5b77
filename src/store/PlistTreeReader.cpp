#include "store/PlistTreeReader.h"

#include <utility>

namespace vexo::store {

PlistTreeReader::PlistTreeReader(plist_t root) : root_(root) {}

PlistToken PlistTreeReader::next() {
    if (failed_)
        return PlistToken{};
    if (!started_) {
        started_ = true;
        return enter(root_);
    }
    PlistToken token;
    if (frames_.empty()) {
        token.kind = PlistToken::DocumentEnd;
        return token;
    }
    Frame& frame = frames_.back();
    plist_t child = nullptr;
    if (frame.iterator) {
        if (frame.pendingValue)
            return enter(std::exchange(frame.pendingValue, nullptr));
        char* key = nullptr;
        plist_dict_next_item(frame.container, frame.iterator.get(), &key, &child);
        key_.reset(key);
        if (child) {
            frame.pendingValue = child;
            token.kind = PlistToken::Key;
            token.text = key ? std::string_view(key) : std::string_view();
            return token;
        }
    } else if (frame.nextIndex < plist_array_get_size(frame.container)) {
        child = plist_array_get_item(frame.container, frame.nextIndex++);
        return enter(child);
    }
    frames_.pop_back();
    token.kind = PlistToken::ContainerEnd;
    return token;
}

// The token that starts node; a container becomes the current frame.
PlistToken PlistTreeReader::enter(plist_t node) {
    PlistToken token;
    switch (node ? plist_get_node_type(node) : PLIST_NONE) {
    case PLIST_ARRAY:
        frames_.push_back(Frame{node, 0, MallocPtr(), nullptr});
        token.kind = PlistToken::ArrayStart;
        break;
    case PLIST_DICT: {
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(node, &iterator);
        frames_.push_back(Frame{node, 0, MallocPtr(iterator)});
        token.kind = PlistToken::DictStart;
        break;
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        token.kind = PlistToken::String;
        token.text = std::string_view(text, text ? length : 0);
        break;
    }
    case PLIST_UINT: {
        // libplist keeps every integer as 64 unsigned bits.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        token.kind = PlistToken::Integer;
        token.integer = static_cast<qint64>(value);
        break;
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        token.kind = PlistToken::Boolean;
        token.boolean = value != 0;
        break;
    }
    case PLIST_NONE:
        failed_ = true;
        break;
    default:
        token.kind = PlistToken::OtherValue;
        break;
    }
    return token;
}

} // namespace vexo::store
