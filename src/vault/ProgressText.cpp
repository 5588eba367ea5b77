#include "vault/ProgressText.h"

#include "platform/Localization.h"

namespace vexo::vault {

QString sizeText(qint64 bytes) {
    const float size = static_cast<float>(bytes);
    const auto format = [](double value, const char* unit) {
        return QString::asprintf("%.02f %s", value, unit);
    };
    if (bytes > 1073741824)
        return format(size / 1073741824.0f, "GB");
    if (bytes > 1048576)
        return format(size / 1048576.0f, "MB");
    if (bytes > 1024)
        return format(size / 1024.0f, "KB");
    return format(size, "B");
}

QString contentSizeForPath(const store::FileModel& item) {
    return sizeText(item.fileSize) + u',' +
           platform::localizedStringForKey(QStringLiteral("encrypted.stringvalue"));
}

RunProgress progressOf(const store::FileModel& item, qint64 done) {
    const qint64 total = item.fileSize;
    if (total <= 0)
        return {1.0f, 0};
    RunProgress progress;
    progress.fraction = static_cast<float>(done) / static_cast<float>(total);
    const qint64 elapsedMs = item.encryptDuration.load() - item.startEncryptDate.load();
    if (done > 0 && elapsedMs > 0 && done < total)
        progress.secondsLeft =
            static_cast<double>(elapsedMs) * static_cast<double>(total - done) / done / 1000.0;
    return progress;
}

QString progressStateText(const RunProgress& progress) {
    if (progress.secondsLeft <= 0)
        return platform::localizedStringForKey(QStringLiteral("process.text"));
    return platform::localizedStringForKey(QStringLiteral("ProgressState"))
        .arg(progress.secondsLeft + 1, 0, 'f', 0);
}

bool ProgressThinner::shouldReport(float fraction) {
    if (skipped_ < 5 && fraction < 1.0f) {
        ++skipped_;
        return false;
    }
    skipped_ = 0;
    return true;
}

} // namespace vexo::vault
