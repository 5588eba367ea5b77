#include "store/PlistNesting.h"

#include <optional>
#include <utility>
#include <vector>

namespace vexo::store {
namespace {

// The object table of a binary property list ("bplist00"): a trailer of 32
// bytes at the end gives the width of offsets and object references, the
// number of objects, the top object and where the offset table starts.
// Every read is checked against the bytes before the trailer.
class BinaryObjectTable {
public:
    static std::optional<BinaryObjectTable> open(const QByteArray& data) {
        constexpr qsizetype kHeaderSize = 8;
        if (data.size() < kHeaderSize + kTrailerSize)
            return std::nullopt;
        BinaryObjectTable table(data);
        const quint64 trailer = table.end_;
        const auto field = [&](quint64 at, unsigned width) {
            return readBigEndian(data, trailer + at, width).value_or(0);
        };
        table.offsetWidth_ = static_cast<unsigned>(field(6, 1));
        table.referenceWidth_ = static_cast<unsigned>(field(7, 1));
        table.objectCount_ = field(8, 8);
        table.topObject_ = field(16, 8);
        table.offsetTable_ = field(24, 8);
        if (!validWidth(table.offsetWidth_) || !validWidth(table.referenceWidth_) ||
            table.topObject_ >= table.objectCount_ || table.offsetTable_ >= trailer ||
            table.objectCount_ > (trailer - table.offsetTable_) / table.offsetWidth_)
            return std::nullopt;
        return table;
    }

    quint64 objectCount() const { return objectCount_; }
    quint64 topObject() const { return topObject_; }

    // Whether the object is an array, set or dictionary; nullopt when it
    // cannot be read.
    std::optional<bool> isContainer(quint64 object) const {
        const auto marker = markerOf(object);
        if (!marker)
            return std::nullopt;
        return containerKind(*marker) != Kind::Other;
    }

    // The objects a container refers to (a dictionary's keys and values);
    // empty for any other object; nullopt when the object cannot be read.
    std::optional<std::vector<quint64>> containedObjects(quint64 object) const {
        const auto start = objectOffset(object);
        const auto marker = markerOf(object);
        if (!start || !marker)
            return std::nullopt;
        const Kind kind = containerKind(*marker);
        if (kind == Kind::Other)
            return std::vector<quint64>{};
        quint64 position = *start + 1;
        auto count = elementCount(*marker, position);
        if (!count)
            return std::nullopt;
        const quint64 perEntry = kind == Kind::Dictionary ? 2 : 1;
        if (*count > (end_ - position) / referenceWidth_ / perEntry)
            return std::nullopt;
        std::vector<quint64> references;
        references.reserve(static_cast<size_t>(*count * perEntry));
        for (quint64 i = 0; i < *count * perEntry; ++i) {
            const auto reference = read(position + i * referenceWidth_, referenceWidth_);
            if (!reference || *reference >= objectCount_)
                return std::nullopt;
            references.push_back(*reference);
        }
        return references;
    }

private:
    enum class Kind { Array, Dictionary, Other };

    static constexpr qsizetype kTrailerSize = 32;

    explicit BinaryObjectTable(const QByteArray& data)
        : data_(data), end_(static_cast<quint64>(data.size() - kTrailerSize)) {}

    static bool validWidth(unsigned width) { return width >= 1 && width <= 8; }

    static Kind containerKind(unsigned char marker) {
        switch (marker >> 4) {
        case 0xA: // array
        case 0xB: // ordered set
        case 0xC: // set
            return Kind::Array;
        case 0xD:
            return Kind::Dictionary;
        default:
            return Kind::Other;
        }
    }

    static std::optional<quint64> readBigEndian(const QByteArray& data, quint64 position,
                                                unsigned width) {
        const auto size = static_cast<quint64>(data.size());
        if (position > size || width > size - position)
            return std::nullopt;
        quint64 value = 0;
        for (unsigned i = 0; i < width; ++i)
            value = (value << 8) |
                    static_cast<unsigned char>(data.at(static_cast<qsizetype>(position + i)));
        return value;
    }

    std::optional<quint64> read(quint64 position, unsigned width) const {
        if (position > end_ || width > end_ - position)
            return std::nullopt;
        return readBigEndian(data_, position, width);
    }

    std::optional<quint64> objectOffset(quint64 object) const {
        if (object >= objectCount_)
            return std::nullopt;
        const auto offset = read(offsetTable_ + object * offsetWidth_, offsetWidth_);
        if (!offset || *offset >= end_)
            return std::nullopt;
        return offset;
    }

    std::optional<unsigned char> markerOf(quint64 object) const {
        const auto offset = objectOffset(object);
        if (!offset)
            return std::nullopt;
        return static_cast<unsigned char>(data_.at(static_cast<qsizetype>(*offset)));
    }

    // A container's entry count: the marker's low four bits, or when those
    // are all set, an integer object that follows the marker (position moves
    // past it).
    std::optional<quint64> elementCount(unsigned char marker, quint64& position) const {
        if ((marker & 0x0F) != 0x0F)
            return marker & 0x0F;
        const auto intMarker = read(position, 1);
        if (!intMarker || (*intMarker >> 4) != 0x1 || (*intMarker & 0x0F) > 3)
            return std::nullopt;
        const unsigned width = 1U << (*intMarker & 0x0F);
        const auto count = read(position + 1, width);
        position += 1 + width;
        return count;
    }

    const QByteArray& data_;
    quint64 end_;
    unsigned offsetWidth_ = 0;
    unsigned referenceWidth_ = 0;
    quint64 objectCount_ = 0;
    quint64 topObject_ = 0;
    quint64 offsetTable_ = 0;
};

// Walks the containers depth first without recursion. A well-formed list is a
// tree of containers, so more container visits than objects means shared or
// cyclic containers, which are refused as well.
bool binaryNestingWithin(const QByteArray& data, int maxDepth) {
    const auto table = BinaryObjectTable::open(data);
    if (!table)
        return false;
    std::vector<std::pair<quint64, int>> pending{{table->topObject(), 1}};
    quint64 visits = 0;
    while (!pending.empty()) {
        const auto [object, depth] = pending.back();
        pending.pop_back();
        if (depth > maxDepth || ++visits > table->objectCount())
            return false;
        const auto children = table->containedObjects(object);
        if (!children)
            return false;
        for (const quint64 child : *children) {
            const auto container = table->isContainer(child);
            if (!container)
                return false;
            if (*container)
                pending.emplace_back(child, depth + 1);
        }
    }
    return true;
}

} // namespace

bool plistNestingWithin(const QByteArray& data, int maxDepth) {
    return data.startsWith("bplist00") && binaryNestingWithin(data, maxDepth);
}

} // namespace vexo::store
