#pragma once

#include <chrono>

namespace platform {

using WaitClock = std::chrono::steady_clock;

// Handles the thread's pending events, blocking until at least one arrived or the deadline has
// passed; the waits of the socket components are built on it, so none of them spins.
void WaitForEvents(WaitClock::time_point deadline);

} // namespace platform
