#include "components/skin/TB97States.h"

namespace {

TButtonState97 Rest(const ToolbarFlags& f) {
    return f.down ? bsExclusive : bsUp;
}

// Leaving ends the hot look, and a press that is not a running click; a tracked press keeps it.
bool Leave(ToolbarFlags& f) {
    if (f.state == bsDisabled || !f.mouseIn || f.mouseDown) return false;
    f.mouseIn = false;
    if (f.state == bsMouseIn || (f.state == bsDown && !f.inClick)) f.state = Rest(f);
    return true;
}

bool Enter(ToolbarFlags& f) {
    if (f.state == bsDisabled || f.mouseIn) return false;
    f.mouseIn = true;
    if (f.state == bsUp) f.state = bsMouseIn;
    return true;
}

} // namespace

ToolbarStep ToolbarNext(ToolbarFlags f, ToolbarInput input) {
    const ToolbarFlags before = f;
    ToolbarStep s;
    const bool enabled = f.state != bsDisabled;
    switch (input) {
    case ToolbarInput::EnterHot:
        s.entered = Enter(f);
        break;
    case ToolbarInput::LeaveHot:
        s.left = Leave(f);
        break;
    case ToolbarInput::LeftDown:
        if (!enabled) break;
        s.entered = Enter(f);
        if (!f.down) f.state = bsDown;
        if (!f.menuDown) f.mouseDown = true;
        break;
    case ToolbarInput::MoveOnFace:
        if (f.mouseDown) f.state = f.down ? bsExclusive : bsDown;
        break;
    case ToolbarInput::MoveOffFace:
        if (f.mouseDown) f.state = Rest(f);
        break;
    case ToolbarInput::LeftUpOnFace:
        if (!f.mouseDown) break;
        f.mouseDown = false;
        s.click = true;
        break;
    case ToolbarInput::LeftUpOffFace:
    case ToolbarInput::CancelMode:
        if (!f.mouseDown && input == ToolbarInput::LeftUpOffFace) break;
        f.mouseDown = false;
        s.left = Leave(f);
        break;
    case ToolbarInput::ClickBegin:
        f.inClick = true;
        if (f.state == bsUp || f.state == bsMouseIn) f.state = bsDown;
        s.left = Leave(f);
        break;
    case ToolbarInput::ClickEnd:
        f.inClick = false;
        if (f.state == bsDown) f.state = bsUp;
        s.left = Leave(f);
        break;
    case ToolbarInput::Disable:
        f.state = bsDisabled;
        f.mouseIn = f.mouseDown = false;
        break;
    case ToolbarInput::Enable:
        if (f.state == bsDisabled) f.state = Rest(f);
        break;
    case ToolbarInput::Latch:
    case ToolbarInput::Unlatch:
        f.down = input == ToolbarInput::Latch;
        if (enabled) f.state = Rest(f);
        break;
    }
    s.flags = f;
    s.redraw = f != before;
    return s;
}
