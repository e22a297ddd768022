#include "platform/FreedMemory.h"

#include <QCoreApplication>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

void HandBackFreedMemory(std::size_t freed) {
#ifdef __GLIBC__
    if (freed >= TrimBytes) malloc_trim(0);
#else
    (void)freed;
#endif
}

void HandBackFreedMemoryLater() {
    // A paste of hundreds of megabytes is copied out in pieces over several seconds.
    for (int seconds : {2, 5, 10, 20, 40})
        QTimer::singleShot(seconds * 1000, QCoreApplication::instance(),
                           [] { HandBackFreedMemory(TrimBytes); });
}

} // namespace platform
