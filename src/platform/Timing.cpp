#include "platform/Timing.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTiming, "gestrix.timing", QtCriticalMsg)

void markTiming(const char* moment) {
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    if (lcTiming().isDebugEnabled())
        qCDebug(lcTiming).noquote() << moment << QString::number(clock.nsecsElapsed() / 1e6, 'f', 2);
}
