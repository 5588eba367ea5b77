#include "platform/Settings.h"

#include "platform/Log.h"

#include <QFile>
#include <QMutex>
#include <QSettings>

#include <sys/stat.h>

namespace vexo::platform {
namespace {

QSettings openStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vexo"),
                     QStringLiteral("Vexo"));
}

// Reading the settings is frequent (the vault root names every item's store)
// and opening them costs far more than a stat. The values are kept while the
// file stays the same one, unchanged; a write here or by another process
// (the command-line tool) shows in its identity and makes the next read
// load them again.
class ReadCache {
public:
    QVariantMap values() {
        const QMutexLocker lock(&mutex_);
        // Qt settles where the settings live once per process.
        static const QString path = openStore().fileName();
        struct stat now {};
        const bool exists = ::stat(QFile::encodeName(path).constData(), &now) == 0;
        if (!valid_ || !sameFile(now, exists)) {
            QSettings store = openStore();
            values_.clear();
            for (const QString& key : store.allKeys())
                values_.insert(key, store.value(key));
            identity_ = now;
            existed_ = exists;
            valid_ = true;
        }
        return values_;
    }

    void forget() {
        const QMutexLocker lock(&mutex_);
        valid_ = false;
    }

private:
    bool sameFile(const struct stat& now, bool exists) const {
        if (exists != existed_)
            return false;
        return !exists || (now.st_dev == identity_.st_dev && now.st_ino == identity_.st_ino &&
                           now.st_size == identity_.st_size &&
                           now.st_mtim.tv_sec == identity_.st_mtim.tv_sec &&
                           now.st_mtim.tv_nsec == identity_.st_mtim.tv_nsec);
    }

    QMutex mutex_;
    bool valid_ = false;
    bool existed_ = false;
    struct stat identity_ {};
    QVariantMap values_;
};

ReadCache& readCache() {
    static ReadCache cache;
    return cache;
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
    return readCache().values().value(QLatin1String(name));
}

void Settings::write(const char* name, const QVariant& value) {
    QSettings store = openStore();
    store.setValue(QLatin1String(name), value);
    flushPrivately(store);
    readCache().forget();
}

bool Settings::has(const char* name) {
    return readCache().values().contains(QLatin1String(name));
}

void Settings::erase(const char* name) {
    QSettings store = openStore();
    store.remove(QLatin1String(name));
    flushPrivately(store);
    readCache().forget();
}

} // namespace vexo::platform
