#include "cli/Answers.h"

#include "cli/Interrupts.h"
#include "platform/Localization.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vexo::cli {
namespace {

// One line from fd, read a byte at a time so that nothing after it is taken
// from the input; without its line end. nullopt at the end of the input, on
// a read error, or when Ctrl-C interrupted the read.
std::optional<QString> readLine(int fd) {
    QByteArray line;
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(fd, &byte, 1);
        if (got < 0 && errno == EINTR && !Interrupts::seen())
            continue;
        if (got < 0 || (got == 0 && line.isEmpty()))
            return std::nullopt;
        if (got == 0)
            break; // a last line without its line end
        if (byte == '\n')
            break;
        line.append(byte);
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

void writeText(int fd, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return;
        done += wrote;
    }
}

// Turns the terminal's echo off for its lifetime.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd) {
        active_ = ::tcgetattr(fd_, &saved_) == 0;
        if (!active_)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd_, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (active_)
            ::tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    termios saved_ = {};
    bool active_ = false;
};

} // namespace

Answers::Answers(bool fromStandardInput)
    : fromStandardInput_(fromStandardInput),
      terminal_(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}

std::optional<QString> Answers::secret(const QString& question) {
    if (fromStandardInput_)
        return readLine(STDIN_FILENO);
    return terminalLine(question, false);
}

std::optional<QString> Answers::text(const QString& question) {
    if (fromStandardInput_)
        return readLine(STDIN_FILENO);
    return terminalLine(question, true);
}

std::optional<int> Answers::choice(const QString& question, const QStringList& options) {
    if (!terminal_.valid())
        return std::nullopt;
    QString menu = question + u'\n';
    for (qsizetype i = 0; i < options.size(); ++i)
        menu += QStringLiteral("  %1) %2\n").arg(i + 1).arg(options.at(i));
    writeText(terminal_.get(), menu);
    const QString ask =
        platform::localizedStringForKey(QStringLiteral("cli.chooseNumber")).arg(options.size());
    for (;;) {
        const auto line = terminalLine(ask, true);
        if (!line)
            return std::nullopt;
        bool ok = false;
        const int picked = line->trimmed().toInt(&ok);
        if (ok && picked >= 1 && picked <= options.size())
            return picked - 1;
    }
}

std::optional<QString> Answers::terminalLine(const QString& question, bool echo) {
    if (!terminal_.valid())
        return std::nullopt;
    writeText(terminal_.get(), question + u' ');
    if (echo)
        return readLine(terminal_.get());
    std::optional<QString> line;
    {
        const EchoOff quiet(terminal_.get());
        line = readLine(terminal_.get());
    }
    writeText(terminal_.get(), QStringLiteral("\n"));
    return line;
}

} // namespace vexo::cli
