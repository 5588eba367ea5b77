#include "cli/ProgressBar.h"

#include "platform/Clock.h"
#include "platform/Localization.h"
#include "vault/ProgressText.h"
#include "vault/VaultCatalogue.h"

#include <QtMath>

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vexo::cli {
namespace {

constexpr int kBarWidth = 20;
constexpr qint64 kRedrawMs = 100;

int terminalWidth() {
    winsize size = {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 20)
        return size.ws_col;
    return 80;
}

void writeError(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

QString progressLine(const store::FileModel& item, float fraction, qint64 nowMs, int width) {
    const float done = std::clamp(fraction, 0.0f, 1.0f);
    const int filled = qRound(done * kBarWidth);
    const QString bar = QString(filled, u'#') + QString(kBarWidth - filled, u'-');
    const qint64 bytes = item.currentEncryptSize.load();
    QString line = QStringLiteral("[%1] %2% %3")
                       .arg(bar)
                       .arg(qRound(done * 100), 3)
                       .arg(platform::localizedStringForKey(QStringLiteral("cli.progressBytes"))
                                .arg(vault::sizeText(bytes), vault::sizeText(item.fileSize)));
    const qint64 elapsedMs = nowMs - item.startEncryptDate.load();
    if (bytes > 0 && elapsedMs > 0) {
        const qint64 perSecond = bytes * 1000 / elapsedMs;
        line += QStringLiteral(", ") +
                platform::localizedStringForKey(QStringLiteral("cli.progressRate"))
                    .arg(vault::sizeText(perSecond));
        if (const double left = vault::progressOf(item, bytes).secondsLeft; left > 0)
            line += QStringLiteral(", ") +
                    platform::localizedStringForKey(QStringLiteral("cli.progressLeft"))
                        .arg(qCeil(left));
    }
    const int room = width - static_cast<int>(line.size()) - 2;
    QString name = item.name;
    if (room < 4)
        return line.left(width - 1);
    if (name.size() > room)
        name = name.left(room - 1) + u'…';
    return name + u' ' + line;
}

ProgressBar::ProgressBar(vault::VaultCatalogue& catalogue, QObject* parent)
    : QObject(parent), enabled_(::isatty(STDERR_FILENO) == 1) {
    if (enabled_)
        connect(&catalogue, &vault::VaultCatalogue::itemProgress, this, &ProgressBar::draw);
}

ProgressBar::~ProgressBar() {
    clear();
}

void ProgressBar::clear() {
    if (shown_)
        writeError("\r\x1b[K");
    shown_ = false;
}

void ProgressBar::draw(const store::FileModelPtr& item, float fraction) {
    const qint64 now = platform::currentMilliseconds();
    if (fraction < 1.0f && now - lastDrawn_ < kRedrawMs)
        return;
    lastDrawn_ = now;
    writeError("\r\x1b[K" + progressLine(*item, fraction, now, terminalWidth()).toUtf8());
    shown_ = true;
}

} // namespace vexo::cli
