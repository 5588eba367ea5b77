#pragma once

#include <QStringList>

namespace vexo::cli {

// Runs the tool on its arguments (without the program's name); the exit code.
int runTool(const QStringList& arguments);

} // namespace vexo::cli
