#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <plist/plist.h>

namespace vexo::test {

// Hand-built binary property lists ("bplist00") for inputs no writer would
// produce: deep nesting, cycles, references out of range.

// An array object referring to the given objects (4-byte references).
inline QByteArray binaryArray(const QList<quint32>& references) {
    QByteArray object(1, static_cast<char>(0xA0 | references.size()));
    for (const quint32 reference : references) {
        char bytes[4];
        qToBigEndian(reference, bytes);
        object.append(bytes, 4);
    }
    return object;
}

// The objects, an offset table of 4-byte offsets and the trailer.
inline QByteArray binaryPlist(const QList<QByteArray>& objects, quint64 topObject = 0) {
    QByteArray data("bplist00");
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        char bytes[4];
        qToBigEndian(static_cast<quint32>(data.size()), bytes);
        offsets.append(bytes, 4);
        data.append(object);
    }
    const auto tableOffset = static_cast<quint64>(data.size());
    data.append(offsets);
    data.append(6, '\0');
    data.append(char(4)); // offset width
    data.append(char(4)); // reference width
    for (const quint64 value : {static_cast<quint64>(objects.size()), topObject, tableOffset}) {
        char bytes[8];
        qToBigEndian(value, bytes);
        data.append(bytes, 8);
    }
    return data;
}

// Arrays nested depth deep, each holding the next.
inline QByteArray nestedBinaryArrays(int depth) {
    QList<QByteArray> objects;
    objects.reserve(depth);
    for (int i = 0; i + 1 < depth; ++i)
        objects.append(binaryArray({static_cast<quint32>(i + 1)}));
    objects.append(binaryArray({}));
    return binaryPlist(objects);
}

// The binary form libplist writes for an XML property list.
inline QByteArray binaryFromXml(const QByteArray& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    QByteArray data(binary, static_cast<qsizetype>(length));
    plist_to_bin_free(binary);
    plist_free(root);
    return data;
}

} // namespace vexo::test
