#include "platform/Settings.h"

#include "platform/Log.h"

#include <QFile>
#include <QSettings>

namespace vexo::platform {
namespace {

QSettings openStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vexo"),
                     QStringLiteral("Vexo"));
}

// The file holds the master password, so only its owner may read it.
void flushPrivately(QSettings& store) {
    store.sync();
    if (store.status() != QSettings::NoError) {
        qCWarning(lcVexo, "settings: could not write %s", qUtf8Printable(store.fileName()));
        return;
    }
    constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (QFile::exists(store.fileName()) && QFile::permissions(store.fileName()) != ownerOnly)
        QFile::setPermissions(store.fileName(), ownerOnly);
}

} // namespace

QString Settings::fileName() {
    return openStore().fileName();
}

QVariant Settings::read(const char* name) {
    return openStore().value(QLatin1String(name));
}

void Settings::write(const char* name, const QVariant& value) {
    QSettings store = openStore();
    store.setValue(QLatin1String(name), value);
    flushPrivately(store);
}

bool Settings::has(const char* name) {
    return openStore().contains(QLatin1String(name));
}

void Settings::erase(const char* name) {
    QSettings store = openStore();
    store.remove(QLatin1String(name));
    flushPrivately(store);
}

} // namespace vexo::platform
