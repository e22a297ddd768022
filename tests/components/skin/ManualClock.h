#pragma once

#include "components/skin/TB97Timer.h"

#include <memory>
#include <vector>

// A clock that moves only when the test says so; its timers tick as the time passes.
class ManualClock {
public:
    TimerFactory97 Factory() {
        return [this] { return std::make_unique<Timer>(*this); };
    }
    long Now() const { return now_; }
    void Advance(int ms) {
        const long until = now_ + ms;
        for (Timer* next = Due(until); next; next = Due(until)) {
            now_ = next->due;
            next->due += next->interval;
            if (next->OnTimer) next->OnTimer();
        }
        now_ = until;
    }

private:
    struct Timer : TTimer97 {
        explicit Timer(ManualClock& c) : clock(c) { clock.timers_.push_back(this); }
        ~Timer() override { std::erase(clock.timers_, this); }
        void SetInterval(int ms) override { interval = ms, due = clock.now_ + ms; }
        void SetEnabled(bool v) override {
            if (v && !on) due = clock.now_ + interval;
            on = v;
        }
        bool Enabled() const override { return on; }
        ManualClock& clock;
        int interval = 1000;
        bool on = false;
        long due = 0;
    };
    Timer* Due(long until) const {
        Timer* next = nullptr;
        for (Timer* t : timers_)
            if (t->on && t->due <= until && (!next || t->due < next->due)) next = t;
        return next;
    }
    long now_ = 0;
    std::vector<Timer*> timers_;
};
