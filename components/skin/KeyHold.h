#pragma once

#include <QObject>

#include <cstdint>
#include <vector>

// Tells the first press of a key from the repeats of a key held down. An X server may send a
// held key as release/press pairs, and Qt does not always flag them as repeats; the release and
// the press of such a pair carry the same time, which no hand can match.
// Releases are watched for on the whole program while a key is held, not where the presses
// come: the control with the focus (an edit) may take a release, and a missed one would make
// every later tap a repeat. Presses alone cannot tell a second tap from an unflagged repeat.
class TKeyHold : public QObject {
public:
    TKeyHold() = default;
    ~TKeyHold() override;

    // True when the press starts a hold; false for a repeat, flagged or not.
    bool Press(int key, bool autoRepeat, std::uint64_t time);
    // The keyboard went elsewhere (another program, a hidden window): the releases of the held
    // keys will not come to this program.
    void Forget();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Release(int key, bool autoRepeat, std::uint64_t time);
    void Watch(bool on);

    std::vector<int> held_;
    int releasedKey_ = 0;
    std::uint64_t releasedAt_ = 0; // 0: a time not known, which pairs nothing
    bool watching_ = false;
};
