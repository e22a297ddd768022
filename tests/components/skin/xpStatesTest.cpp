#include "components/skin/TB97States.h"
#include "components/skin/xpCaptionText.h"
#include "components/skin/xpPressStates.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(PressStates, SequencesEndInTheirFlagsAndFireAsOftenAsTheyShould) {
    using enum PressInput;
    const auto B = PressKind::Button, C = PressKind::CheckBox;
    struct Case {
        const char* name;
        PressKind kind;
        bool enabled;
        std::vector<PressInput> inputs;
        PressFlags end;
        int fired;
    };
    const Case cases[] = {
        {"enter then leave", B, true, {MouseEnter, MouseLeave}, {}, 0},
        {"click", B, true, {MouseEnter, LeftDown, FocusIn, LeftUpInside}, {true, false, true}, 1},
        {"up outside", B, true, {MouseEnter, LeftDown, MouseLeave, LeftUpOutside}, {}, 0},
        {"focus loss ends the press", B, true, {FocusIn, PressKeyDown, FocusOut}, {}, 0},
        {"key press and release", B, true, {PressKeyDown, PressKeyUp}, {}, 1},
        {"second key-down", B, true, {PressKeyDown, PressKeyDown, PressKeyUp, PressKeyUp}, {}, 1},
        {"double click", B, true, {LeftDown, LeftUpInside, DoubleClick, LeftUpInside}, {}, 2},
        {"disabled button ignores the mouse", B, false, {MouseEnter, LeftDown}, {}, 0},
        // The table lets the key through; Click itself refuses a disabled button.
        {"disabled button still shows a key press", B, false, {PressKeyDown}, {false, true}, 0},
        {"accelerator", B, true, {Accelerator}, {}, 1},
        {"box toggles on release", C, true, {LeftDown, LeftUpInside}, {}, 1},
        {"box release outside", C, true, {LeftDown, LeftUpOutside}, {}, 0},
        {"disabled box", C, false, {PressKeyDown, PressKeyUp, Accelerator, DoubleClick}, {}, 0},
        {"disabled box still leaves", C, false, {MouseLeave}, {}, 0},
        {"box space", C, true, {PressKeyDown, PressKeyUp}, {}, 1},
    };
    for (const Case& k : cases) {
        PressFlags f;
        int fired = 0;
        for (PressInput input : k.inputs) {
            const PressStep s = PressNext(k.kind, f, input, k.enabled);
            f = s.flags;
            fired += s.fire;
        }
        EXPECT_EQ(std::tuple(f.hot, f.pressed, f.focused, fired),
                  std::tuple(k.end.hot, k.end.pressed, k.end.focused, k.fired))
            << k.name;
    }
}

TEST(PressStates, FocusIsTakenOnlyByAPressThatLacksIt) {
    EXPECT_TRUE(PressNext(PressKind::Button, {}, PressInput::LeftDown, true).takeFocus);
    EXPECT_FALSE(
        PressNext(PressKind::Button, {false, false, true}, PressInput::LeftDown, true).takeFocus);
    EXPECT_TRUE(PressNext(PressKind::CheckBox, {}, PressInput::Accelerator, true).takeFocus);
    EXPECT_FALSE(PressNext(PressKind::Button, {}, PressInput::Accelerator, true).takeFocus);
}

TEST(ToolbarStates, SequencesEndInTheirState) {
    using enum ToolbarInput;
    struct Case {
        const char* name;
        std::vector<ToolbarInput> inputs;
        TButtonState97 state;
        bool mouseIn;
        int clicks;
    };
    const Case cases[] = {
        {"hot", {EnterHot}, bsMouseIn, true, 0},
        {"hot and gone", {EnterHot, LeaveHot}, bsUp, false, 0},
        {"pressed", {EnterHot, LeftDown}, bsDown, true, 0},
        {"tracked press keeps the look", {EnterHot, LeftDown, LeaveHot}, bsDown, true, 0},
        {"dragged off and back", {LeftDown, MoveOffFace, MoveOnFace}, bsDown, true, 0},
        {"dragged off and released", {LeftDown, MoveOffFace, LeftUpOffFace}, bsUp, false, 0},
        {"released on the face", {LeftDown, LeftUpOnFace}, bsDown, true, 1},
        {"after the click", {LeftDown, LeftUpOnFace, ClickBegin, ClickEnd}, bsUp, false, 1},
        // Pressed through the click while its menu takes the mouse.
        {"menu running", {EnterHot, ClickBegin, LeaveHot}, bsDown, false, 0},
        {"disabled ignores the mouse", {Disable, EnterHot, LeftDown}, bsDisabled, false, 0},
        {"enabled again", {EnterHot, Disable, Enable}, bsUp, false, 0},
        {"latched stays latched under the mouse", {Latch, EnterHot}, bsExclusive, true, 0},
        {"latched press dragged off", {Latch, LeftDown, MoveOffFace}, bsExclusive, true, 0},
        {"enabled back to latched", {Latch, Disable, Enable}, bsExclusive, false, 0},
        {"raised from code", {Latch, EnterHot, Unlatch}, bsUp, true, 0},
        {"a right release leaves", {EnterHot, CancelMode}, bsUp, false, 0},
    };
    for (const Case& k : cases) {
        ToolbarFlags f;
        int clicks = 0;
        for (ToolbarInput input : k.inputs) {
            const ToolbarStep s = ToolbarNext(f, input);
            f = s.flags;
            clicks += s.click;
        }
        EXPECT_EQ(std::tuple(f.state, f.mouseIn, clicks), std::tuple(k.state, k.mouseIn, k.clicks))
            << k.name;
    }
}

TEST(CaptionText, AmpersandMarksTheAccelerator) {
    struct Case {
        const char *caption, *text, *before, *through;
    };
    const Case cases[] = {
        {"Reverse", "Reverse", "Reverse", "Reverse"},
        {"&File", "File", "", "F"},
        {"Sa&ve", "Save", "Sa", "Sav"},
        {"End&", "End", "End", "End"},
        {"&Файл", "Файл", "", "Ф"},
    };
    for (const Case& k : cases) {
        const AcceleratedText t = SplitAccelerator(k.caption);
        EXPECT_EQ(std::tuple(t.text, t.before, t.through),
                  (std::tuple<std::string, std::string, std::string>(k.text, k.before, k.through)))
            << k.caption;
    }
}
