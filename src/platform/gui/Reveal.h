#pragma once

#include <QString>

namespace vexo::platform {

// Shows path selected in the desktop's file manager; where no file manager
// answers on the session bus, opens the folder that holds it. False when
// neither could be done.
bool revealInFileManager(const QString& path);

} // namespace vexo::platform
