#include "components/skin/TB97Timer.h"

#include <QTimer>

namespace {

class EventLoopTimer : public TTimer97 {
public:
    EventLoopTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (OnTimer) OnTimer();
        });
    }
    void SetInterval(int ms) override { timer_.setInterval(ms); }
    void SetEnabled(bool on) override {
        if (on == timer_.isActive()) return;
        if (on)
            timer_.start();
        else
            timer_.stop();
    }
    bool Enabled() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TTimer97> MakeEventLoopTimer() {
    return std::make_unique<EventLoopTimer>();
}
