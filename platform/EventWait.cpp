#include "platform/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace platform {

void WaitForEvents(WaitClock::time_point deadline) {
    const auto now = WaitClock::now();
    if (now >= deadline) {
        QCoreApplication::processEvents();
        return;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    QEventLoop loop;
    // The timer only wakes the wait at the deadline.
    QTimer timer;
    timer.setSingleShot(true);
    timer.start(static_cast<int>(std::min<long long>(ms, INT_MAX)));
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace platform
