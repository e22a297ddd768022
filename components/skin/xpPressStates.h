#pragma once

#include <cstdint>

// The input a pressable control (button, check box) reacts to, already classified by the widget:
// a key-down that presses (Enter or Space for a button, Space for a box), the release of that
// same key, a release over or away from the control.
enum class PressInput : std::uint8_t {
    MouseEnter,
    MouseLeave,
    LeftDown,
    LeftUpInside,
    LeftUpOutside,
    DoubleClick,
    FocusIn,
    FocusOut,
    PressKeyDown,
    PressKeyUp,
    Accelerator,
};

struct PressFlags {
    bool hot = false;
    bool pressed = false;
    bool focused = false;
    friend bool operator==(const PressFlags&, const PressFlags&) = default;
};

// What a step asks of the widget besides the new flags.
struct PressStep {
    PressFlags flags;
    bool repaint = false;
    bool fire = false;      // the button clicks, the box toggles
    bool takeFocus = false; // only when not focused already
};

enum class PressKind : std::uint8_t { Button, CheckBox };

// One step of the state table of the given control kind; enabled is the control's own flag.
PressStep PressNext(PressKind kind, PressFlags flags, PressInput input, bool enabled);
