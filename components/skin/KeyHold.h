#pragma once

#include <cstdint>
#include <vector>

// Tells the first press of a key from the repeats of a key held down. An X server may send a
// held key as release/press pairs, and Qt does not always flag them as repeats; the release and
// the press of such a pair carry the same time, which no hand can match.
class TKeyHold {
public:
    // True when the press starts a hold; false for a repeat, flagged or not.
    bool Press(int key, bool autoRepeat, std::uint64_t time);
    void Release(int key, bool autoRepeat, std::uint64_t time);
    // The keyboard went elsewhere: the releases of the held keys will not come here.
    void Forget();

private:
    std::vector<int> held_;
    int releasedKey_ = 0;
    std::uint64_t releasedAt_ = 0; // 0: a time not known, which pairs nothing
};
