#pragma once

#include <QLoggingCategory>

// The main window's log, "gestrix.main": silent unless QT_LOGGING_RULES turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcMain)
