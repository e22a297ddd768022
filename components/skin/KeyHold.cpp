#include "components/skin/KeyHold.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

TKeyHold::~TKeyHold() {
    Watch(false);
}

bool TKeyHold::Press(int key, bool autoRepeat, std::uint64_t time) {
    const bool paired = key == releasedKey_ && releasedAt_ != 0 && time == releasedAt_;
    const bool held = std::find(held_.begin(), held_.end(), key) != held_.end();
    if (!held) held_.push_back(key);
    Watch(true);
    return !autoRepeat && !paired && !held;
}

void TKeyHold::Release(int key, bool autoRepeat, std::uint64_t time) {
    if (autoRepeat) return;
    std::erase(held_, key);
    releasedKey_ = key;
    releasedAt_ = time;
    if (held_.empty()) Watch(false);
}

void TKeyHold::Forget() {
    held_.clear();
    releasedKey_ = 0;
    releasedAt_ = 0;
    Watch(false);
}

bool TKeyHold::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::KeyRelease) {
        const auto* k = static_cast<const QKeyEvent*>(e);
        Release(k->key(), k->isAutoRepeat(), k->timestamp());
    }
    return false;
}

void TKeyHold::Watch(bool on) {
    QCoreApplication* app = QCoreApplication::instance();
    if (on == watching_ || !app) return;
    watching_ = on;
    if (on)
        app->installEventFilter(this);
    else
        app->removeEventFilter(this);
}
