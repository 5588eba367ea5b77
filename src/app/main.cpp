#include "app/AppDelegate.h"
#include "app/SingleInstance.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexo"));
    QApplication::setApplicationVersion(QStringLiteral(VEXO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vexo.png")));

    vexo::app::SingleInstance instance;
    if (!instance.claim())
        return 0;
    vexo::platform::setLanguage();
    vexo::app::AppDelegate delegate;
    QObject::connect(&instance, &vexo::app::SingleInstance::raiseRequested, &delegate,
                     &vexo::app::AppDelegate::applicationShouldHandleReopen);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
