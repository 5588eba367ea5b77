#include "platform/Localization.h"

#include "platform/Log.h"
#include "platform/Settings.h"

#include <QFile>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace vexo::platform {
namespace {

constexpr std::array<const char*, 9> kLanguageCodes = {"en", "zh-Hans", "en", "zh-Hant", "fr",
                                                       "de", "ja",      "es", "pt-PT"};

constexpr const char* kStringTable = "Main";

// The string table of the current language. Lookups take a reference under
// the lock and translate outside it, so a switch never pulls the table away
// from a running lookup.
struct CurrentTable {
    QMutex lock;
    bool chosen = false;
    std::shared_ptr<const QTranslator> translator;
};

CurrentTable& currentTable() {
    static CurrentTable table;
    return table;
}

QString tableFileOf(const QString& code) {
    return QStringLiteral(":/i18n/vexo_") + code + QStringLiteral(".qm");
}

std::shared_ptr<const QTranslator> loadTable(const QString& code) {
    auto translator = std::make_shared<QTranslator>();
    if (!translator->load(tableFileOf(code))) {
        qCWarning(lcVexo, "no string table for language %s", qUtf8Printable(code));
        return nullptr;
    }
    return translator;
}

} // namespace

bool languageIsShipped(const QString& code) {
    return QFile::exists(tableFileOf(code));
}

QString languageCodeForIndex(qint64 index) {
    const auto clamped = std::clamp<qint64>(index, 0, kLanguageCodes.size() - 1);
    return QString::fromLatin1(kLanguageCodes.at(static_cast<size_t>(clamped)));
}

namespace {

// The shipped code for one desktop language tag, or empty.
QString shippedCodeFor(const QString& tag) {
    const QStringList parts = tag.split(u'-');
    const QString language = parts.constFirst().toLower();
    QString code = language;
    if (language == u"zh") {
        const bool traditional = parts.contains(u"Hant") || parts.contains(u"TW") ||
                                 parts.contains(u"HK") || parts.contains(u"MO");
        code = traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
    } else if (language == u"pt") {
        code = QStringLiteral("pt-PT");
    }
    return languageIsShipped(code) ? code : QString();
}

std::shared_ptr<const QTranslator> tableOfSetting() {
    return loadTable(chosenLanguageCode());
}

} // namespace

QString languageCodeForLocales(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages)
        if (const QString code = shippedCodeFor(tag); !code.isEmpty())
            return code;
    return QStringLiteral("en");
}

QString chosenLanguageCode() {
    if (Settings::contains(keys::AppLanguage))
        return languageCodeForIndex(Settings::value(keys::AppLanguage));
    return languageCodeForLocales(QLocale::system().uiLanguages());
}

void setLanguage() {
    setLanguageCode(chosenLanguageCode());
}

void setLanguageCode(const QString& code) {
    auto table = loadTable(code);
    CurrentTable& current = currentTable();
    const QMutexLocker locker(&current.lock);
    current.translator = std::move(table);
    current.chosen = true;
}

QString localizedStringForKey(const QString& key, const QString& value) {
    std::shared_ptr<const QTranslator> translator;
    {
        // Until a language is chosen, the stored one serves.
        CurrentTable& current = currentTable();
        const QMutexLocker locker(&current.lock);
        if (!current.chosen) {
            current.translator = tableOfSetting();
            current.chosen = true;
        }
        translator = current.translator;
    }
    if (translator) {
        const QString text = translator->translate(kStringTable, key.toUtf8().constData());
        if (!text.isNull())
            return text;
    }
    return value.isEmpty() ? key : value;
}

QString localizedText(const QString& key, const QStringList& arguments) {
    const QString text = localizedStringForKey(key);
    if (arguments.isEmpty())
        return text;
    // Like QString::arg: the lowest placeholder number takes the first argument.
    static const QRegularExpression placeholder(QStringLiteral("%([1-9][0-9]?)"));
    std::map<int, qsizetype> argumentOfNumber;
    for (const auto& match : placeholder.globalMatch(text))
        argumentOfNumber.emplace(match.captured(1).toInt(), 0);
    qsizetype next = 0;
    for (auto& [number, argument] : argumentOfNumber)
        argument = next++;
    QString filled;
    qsizetype copied = 0;
    for (const auto& match : placeholder.globalMatch(text)) {
        const qsizetype argument = argumentOfNumber.at(match.captured(1).toInt());
        if (argument >= arguments.size())
            continue;
        filled += QStringView(text).mid(copied, match.capturedStart() - copied);
        filled += arguments.at(argument);
        copied = match.capturedEnd();
    }
    filled += QStringView(text).mid(copied);
    return filled;
}

QString imagePathWithfileName(const QString& name) {
    const QString folder = QStringLiteral(":/Settings.bundle/");
    QString base = name;
    if (base.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        base.chop(4);
    const QStringList candidates = {name, base + QStringLiteral(".png"),
                                    base + QStringLiteral("@3x.png"),
                                    base + QStringLiteral("@2x.png")};
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFile::exists(folder + candidate))
            return folder + candidate;
    }
    return {};
}

} // namespace vexo::platform
