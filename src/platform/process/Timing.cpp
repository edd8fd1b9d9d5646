#include "platform/process/Timing.h"

#include <QLoggingCategory>

#include <chrono>

Q_LOGGING_CATEGORY(lcTiming, "gestrix.timing", QtCriticalMsg)

void markTiming(const char* moment) {
    if (!lcTiming().isDebugEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const double ms = std::chrono::duration<double, std::milli>(now).count();
    qCDebug(lcTiming).noquote() << moment << QString::number(ms, 'f', 2);
}
