#pragma once

#include <functional>
#include <memory>

// A timer as the toolbar button drives it for auto-repeat: an interval, on or off, a tick.
// Setting the interval of a running timer starts its period anew. Tests put in a timer of a
// clock they step by hand.
class TTimer97 {
public:
    virtual ~TTimer97() = default;
    virtual void SetInterval(int ms) = 0;
    virtual void SetEnabled(bool on) = 0;
    virtual bool Enabled() const = 0;

    std::function<void()> OnTimer;
};

using TimerFactory97 = std::function<std::unique_ptr<TTimer97>()>;

// A timer of the event loop.
std::unique_ptr<TTimer97> MakeEventLoopTimer();
