#pragma once

#include <QLoggingCategory>

// The application's log category "vexo"; every diagnostic line goes through it.
Q_DECLARE_LOGGING_CATEGORY(lcVexo)
