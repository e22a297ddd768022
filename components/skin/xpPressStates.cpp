#include "components/skin/xpPressStates.h"

#include <iterator>

namespace {

enum class When : std::uint8_t { Always, NotHot, Hot, NotPressed, Pressed, NotFocused, Focused };
enum class Set : std::int8_t { Keep = -1, Off = 0, On = 1 };

struct Rule {
    PressInput input;
    bool needsEnabled;
    When when;
    Set hot, pressed, focused;
    bool fire, takeFocus;
};

constexpr Set K = Set::Keep, F = Set::Off, T = Set::On;
using I = PressInput;

// A release away from the control and the loss of focus end a press without firing, so a
// press never lingers until some later release.
constexpr Rule kButton[] = {
    {I::MouseEnter, true, When::NotHot, T, K, K, false, false},
    {I::MouseLeave, true, When::Hot, F, K, K, false, false},
    {I::LeftDown, true, When::NotPressed, K, T, K, false, true},
    {I::LeftUpInside, true, When::Pressed, K, F, K, true, false},
    {I::LeftUpOutside, false, When::Pressed, K, F, K, false, false},
    {I::DoubleClick, false, When::Always, K, K, K, true, false},
    {I::FocusIn, false, When::NotFocused, K, K, T, false, false},
    {I::FocusOut, false, When::Always, K, F, F, false, false},
    {I::PressKeyDown, false, When::NotPressed, K, T, K, false, false},
    {I::PressKeyUp, false, When::Pressed, K, F, K, true, false},
    {I::Accelerator, false, When::Always, K, K, K, true, false},
};

constexpr Rule kCheckBox[] = {
    {I::MouseEnter, true, When::NotHot, T, K, K, false, false},
    {I::MouseLeave, false, When::Hot, F, K, K, false, false},
    {I::LeftDown, true, When::NotPressed, K, T, K, false, true},
    {I::LeftUpInside, true, When::Pressed, K, F, K, true, false},
    {I::LeftUpOutside, false, When::Pressed, K, F, K, false, false},
    {I::DoubleClick, true, When::Always, K, K, K, true, false},
    {I::FocusIn, false, When::NotFocused, K, K, T, false, false},
    {I::FocusOut, false, When::Always, K, F, F, false, false},
    {I::PressKeyDown, true, When::NotPressed, K, T, K, false, false},
    {I::PressKeyUp, true, When::Pressed, K, F, K, true, false},
    {I::Accelerator, true, When::Always, K, K, K, true, true},
};

bool Holds(When when, const PressFlags& f) {
    switch (when) {
    case When::Always:
        return true;
    case When::NotHot:
        return !f.hot;
    case When::Hot:
        return f.hot;
    case When::NotPressed:
        return !f.pressed;
    case When::Pressed:
        return f.pressed;
    case When::NotFocused:
        return !f.focused;
    case When::Focused:
        return f.focused;
    }
    return false;
}

void Apply(Set set, bool& flag) {
    if (set != Set::Keep) flag = set == Set::On;
}

} // namespace

PressStep PressNext(PressKind kind, PressFlags flags, PressInput input, bool enabled) {
    const Rule* begin = kind == PressKind::Button ? std::begin(kButton) : std::begin(kCheckBox);
    const Rule* end = kind == PressKind::Button ? std::end(kButton) : std::end(kCheckBox);
    PressStep step{flags};
    for (const Rule* r = begin; r != end; ++r) {
        if (r->input != input) continue;
        if ((r->needsEnabled && !enabled) || !Holds(r->when, flags)) return step;
        Apply(r->hot, step.flags.hot);
        Apply(r->pressed, step.flags.pressed);
        Apply(r->focused, step.flags.focused);
        step.fire = r->fire;
        step.takeFocus = r->takeFocus && !flags.focused;
        step.repaint = step.flags != flags;
        return step;
    }
    return step;
}
