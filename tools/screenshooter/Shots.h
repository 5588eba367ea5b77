#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace vexo::screenshots {

// Lets animations and queued work run for milliseconds.
void settle(int milliseconds = 400);

// Writes a picture of window, with the pop-ups open above it, to
// folder/name.png; false (and a message) when it could not be written.
bool shoot(QWidget* window, const QDir& folder, const QString& name);

} // namespace vexo::screenshots
