#pragma once

#include <QString>
#include <QStringList>

namespace vexo::platform {

// The interface language code for a stored language index, clamped to 0..8:
// 0 "en", 1 "zh-Hans", 2 "en", 3 "zh-Hant", 4 "fr", 5 "de", 6 "ja", 7 "es",
// 8 "pt-PT".
QString languageCodeForIndex(qint64 index);

// The shipped language for the first of a desktop's languages ("fr-FR",
// "zh-Hant-TW", "pt-BR", ...) that has one; "en" when none has.
QString languageCodeForLocales(const QStringList& uiLanguages);

// The language the settings choose: that of AppLanguage when it is stored,
// else the desktop's (languageCodeForLocales of the system locale).
QString chosenLanguageCode();

// Makes the language the settings choose the one of every later lookup.
void setLanguage();
// Makes the language code ("en", "zh-Hans", ...) the one of every later
// lookup, whatever the setting says.
void setLanguageCode(const QString& code);

// Whether the application carries a string table for the language code.
bool languageIsShipped(const QString& code);

// The text of key in the "Main" string table of the current language; when
// the table has none, value when it is not empty, else the key itself.
// Safe to call from any thread.
QString localizedStringForKey(const QString& key, const QString& value = {});

// The text of key with its placeholders (%1, %2, ...) filled from arguments in
// one pass, the lowest number taking the first argument; an argument's own
// "%2" is never filled again, and a placeholder without an argument stays.
QString localizedText(const QString& key, const QStringList& arguments = {});

// The resource path (":/Settings.bundle/...") of a picture, trying the name as
// given, then with ".png", "@3x.png" and "@2x.png"; empty when none exists.
QString imagePathWithfileName(const QString& name);

} // namespace vexo::platform
