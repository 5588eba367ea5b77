#include "support/TestEnvironment.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <ctime>

namespace vexo::test {
namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vexo-test-XXXXXX"));
    return dir;
}

} // namespace

void prepareEnvironment() {
    const QString root = scratchRoot();
    QDir(root).mkpath(QStringLiteral("config"));
    QDir(root).mkpath(QStringLiteral("Volumes"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("VEXO_VOLUMES_ROOT", QFile::encodeName(testVolumesRoot()));
    qputenv("VEXO_MAC_ADDRESS", kTestMacAddress.toLatin1());
    qputenv("TZ", "UTC");
    // The desktop's language chooses the interface language while none is
    // stored: English, whoever runs the tests.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    // No test talks to the computer's own logind (which would hold a real
    // sleep inhibitor); those that need a system bus start their own.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
    tzset();
}

QString scratchRoot() {
    return scratch().path();
}

QString testVolumesRoot() {
    return scratchRoot() + QStringLiteral("/Volumes");
}

void clearSettings() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vexo"),
                    QStringLiteral("Vexo"));
    store.clear();
    store.sync();
}

} // namespace vexo::test
