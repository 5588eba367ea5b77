#include "store/GroupFolderName.h"

#include "platform/Clock.h"

namespace vexo::store {

quint64 stableHash(const QString& text) {
    constexpr quint64 kOffsetBasis = 14695981039346656037ULL;
    constexpr quint64 kPrime = 1099511628211ULL;
    quint64 hash = kOffsetBasis;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= kPrime;
    }
    return hash;
}

QString groupFolderName(const QString& displayName) {
    return QString::number(stableHash(displayName)) + u'-' + platform::getTimeIntervalSince();
}

QString itemStoreName(const QString& itemPath) {
    return QString::number(stableHash(itemPath));
}

} // namespace vexo::store
