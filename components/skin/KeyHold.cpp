#include "components/skin/KeyHold.h"

#include <algorithm>

bool TKeyHold::Press(int key, bool autoRepeat, std::uint64_t time) {
    const bool paired = key == releasedKey_ && releasedAt_ != 0 && time == releasedAt_;
    const bool held = std::find(held_.begin(), held_.end(), key) != held_.end();
    if (!held) held_.push_back(key);
    return !autoRepeat && !paired && !held;
}

void TKeyHold::Release(int key, bool autoRepeat, std::uint64_t time) {
    if (autoRepeat) return;
    std::erase(held_, key);
    releasedKey_ = key;
    releasedAt_ = time;
}

void TKeyHold::Forget() {
    held_.clear();
    releasedKey_ = 0;
    releasedAt_ = 0;
}
