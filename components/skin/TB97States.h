#pragma once

#include <cstdint>

// The look of a toolbar button: up, disabled, pressed, latched (down in a group), hot.
enum TButtonState97 : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive, bsMouseIn };

enum class ToolbarInput : std::uint8_t {
    EnterHot,   // the mouse came over the button
    LeaveHot,   // the mouse left it, or the program lost the activation
    LeftDown,   // tracked unless it hit the drop-down part (menuDown)
    MoveOnFace, // while a left press is tracked
    MoveOffFace,
    LeftUpOnFace,
    LeftUpOffFace,
    CancelMode, // a right release, or another window took the mouse: the press is dropped
    ClickBegin, // the button shows pressed while its command runs
    ClickEnd,
    Disable,
    Enable,
    Latch, // Down set in a group
    Unlatch,
};

struct ToolbarFlags {
    TButtonState97 state = bsUp;
    bool mouseIn = false;
    bool mouseDown = false; // a left press is being tracked
    bool inClick = false;
    bool down = false;     // the Down property: latched in a group
    bool menuDown = false; // the press hit the drop-down part
    friend bool operator==(const ToolbarFlags&, const ToolbarFlags&) = default;
};

struct ToolbarStep {
    ToolbarFlags flags;
    bool redraw = false;
    bool click = false;
    bool entered = false; // OnMouseEnter is due
    bool left = false;    // OnMouseExit is due
};

ToolbarStep ToolbarNext(ToolbarFlags flags, ToolbarInput input);
