#pragma once

#include <QtGlobal>

#include <string_view>

namespace vexo::store {

// One step of a walk through a property list in document order. A container
// opens with ArrayStart or DictStart and closes with ContainerEnd; inside a
// dictionary every entry is a Key followed by its value.
struct PlistToken {
    enum Kind {
        ArrayStart,
        DictStart,
        ContainerEnd,
        Key,
        String,
        Integer,
        Boolean,
        OtherValue, // real, date, data: recognised and typed, content not kept
        DocumentEnd,
        Error,
    };

    Kind kind = Error;
    std::string_view text; // Key and String: UTF-8, valid until the next token
    qint64 integer = 0;    // Integer
    bool boolean = false;  // Boolean
};

// Where the list readers take their tokens from. A source only gives a stream
// that keeps the grammar above: whatever breaks it ends the stream with
// Error. DocumentEnd follows the root value; after DocumentEnd or Error a
// source keeps giving the same kind.
class PlistTokenSource {
public:
    virtual ~PlistTokenSource() = default;
    virtual PlistToken next() = 0;
};

} // namespace vexo::store
