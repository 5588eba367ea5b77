#pragma once

#include "platform/SettingKeys.h"

#include <QVariant>

namespace vexo::platform {

// The per-user settings store (~/.config/Vexo/Vexo.conf, mode 0600).
// Every call opens its own QSettings handle, so the functions may be called
// from any thread; each write is flushed to disk before the call returns.
class Settings {
public:
    template <typename T> static T value(SettingKey<T> key) {
        const QVariant stored = read(key.name);
        if (!stored.isValid() || !stored.canConvert<T>())
            return T{};
        return stored.value<T>();
    }

    template <typename T> static void setValue(SettingKey<T> key, const T& value) {
        write(key.name, QVariant::fromValue(value));
    }

    template <typename T> static bool contains(SettingKey<T> key) { return has(key.name); }
    template <typename T> static void remove(SettingKey<T> key) { erase(key.name); }

    // Path of the settings file, for diagnostics and tests.
    static QString fileName();

private:
    static QVariant read(const char* name);
    static void write(const char* name, const QVariant& value);
    static bool has(const char* name);
    static void erase(const char* name);
};

} // namespace vexo::platform
