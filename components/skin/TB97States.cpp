#include "components/skin/TB97States.h"

namespace {

// Leaving ends the hot look, and a press that is not a running click; a tracked press keeps it.
void Leave(ToolbarFlags& f) {
    if (f.state == bsDisabled || !f.mouseIn || f.mouseDown) return;
    f.mouseIn = false;
    if (f.state == bsMouseIn || (f.state == bsDown && !f.inClick)) f.state = bsUp;
}

void Enter(ToolbarFlags& f) {
    if (f.state == bsDisabled || f.mouseIn) return;
    f.mouseIn = true;
    if (f.state == bsUp) f.state = bsMouseIn;
}

} // namespace

ToolbarStep ToolbarNext(ToolbarFlags f, ToolbarInput input) {
    const ToolbarFlags before = f;
    bool click = false;
    const bool enabled = f.state != bsDisabled;
    switch (input) {
    case ToolbarInput::EnterHot:
        Enter(f);
        break;
    case ToolbarInput::LeaveHot:
        Leave(f);
        break;
    case ToolbarInput::LeftDown:
        if (!enabled) break;
        Enter(f);
        f.state = bsDown;
        f.mouseDown = true;
        break;
    case ToolbarInput::MoveOnFace:
        if (f.mouseDown) f.state = bsDown;
        break;
    case ToolbarInput::MoveOffFace:
        if (f.mouseDown) f.state = bsUp;
        break;
    case ToolbarInput::LeftUpOnFace:
        if (!f.mouseDown) break;
        f.mouseDown = false;
        click = true;
        break;
    case ToolbarInput::LeftUpOffFace:
        if (!f.mouseDown) break;
        f.mouseDown = false;
        Leave(f);
        break;
    case ToolbarInput::ClickBegin:
        f.inClick = true;
        if (f.state == bsUp || f.state == bsMouseIn) f.state = bsDown;
        Leave(f);
        break;
    case ToolbarInput::ClickEnd:
        f.inClick = false;
        if (f.state == bsDown) f.state = bsUp;
        Leave(f);
        break;
    case ToolbarInput::Disable:
        f = {bsDisabled, false, false, f.inClick};
        break;
    case ToolbarInput::Enable:
        if (f.state == bsDisabled) f.state = bsUp;
        break;
    }
    return {f, f != before, click};
}
