#include "cli/Tool.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexo-cli"));
    // The vault's diagnostic lines would bury the tool's own output; they
    // come back with QT_LOGGING_RULES="vexo*=true".
    QLoggingCategory::setFilterRules(QStringLiteral("vexo*=false"));
    return vexo::cli::runTool(QCoreApplication::arguments().mid(1));
}
