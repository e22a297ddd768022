#include "components/skin/TB97States.h"
#include "components/skin/xpCaptionText.h"
#include "components/skin/xpPressStates.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using I = PressInput;

struct PressCase {
    const char* name;
    PressKind kind;
    bool enabled;
    std::vector<I> inputs;
    PressFlags end;
    int fired;
};

} // namespace

TEST(PressStates, SequencesEndInTheirFlagsAndFireAsOftenAsTheyShould) {
    const auto B = PressKind::Button, C = PressKind::CheckBox;
    const PressCase cases[] = {
        {"enter then leave", B, true, {I::MouseEnter, I::MouseLeave}, {}, 0},
        {"click under the mouse",
         B,
         true,
         {I::MouseEnter, I::LeftDown, I::FocusIn, I::LeftUpInside},
         {true, false, true},
         1},
        {"release outside clears without a click",
         B,
         true,
         {I::MouseEnter, I::LeftDown, I::MouseLeave, I::LeftUpOutside},
         {false, false, false},
         0},
        {"focus loss ends the press", B, true, {I::FocusIn, I::PressKeyDown, I::FocusOut}, {}, 0},
        {"key press and release", B, true, {I::PressKeyDown, I::PressKeyUp}, {}, 1},
        {"second key-down while pressed is no second press",
         B,
         true,
         {I::PressKeyDown, I::PressKeyDown, I::PressKeyUp, I::PressKeyUp},
         {},
         1},
        {"double click fires twice in all",
         B,
         true,
         {I::LeftDown, I::LeftUpInside, I::DoubleClick, I::LeftUpInside},
         {},
         2},
        {"disabled button ignores the mouse", B, false, {I::MouseEnter, I::LeftDown}, {}, 0},
        // The table lets the key through; Click itself refuses a disabled button.
        {"disabled button still shows a key press", B, false, {I::PressKeyDown}, {false, true}, 0},
        {"accelerator", B, true, {I::Accelerator}, {}, 1},
        {"box toggles on release", C, true, {I::LeftDown, I::LeftUpInside}, {}, 1},
        {"box release outside", C, true, {I::LeftDown, I::LeftUpOutside}, {}, 0},
        {"disabled box ignores keys and accelerator",
         C,
         false,
         {I::PressKeyDown, I::PressKeyUp, I::Accelerator, I::DoubleClick},
         {},
         0},
        {"disabled box still leaves", C, false, {I::MouseLeave}, {}, 0},
        {"box space", C, true, {I::PressKeyDown, I::PressKeyUp}, {}, 1},
    };
    for (const PressCase& k : cases) {
        SCOPED_TRACE(k.name);
        PressFlags f;
        int fired = 0;
        for (I input : k.inputs) {
            const PressStep s = PressNext(k.kind, f, input, k.enabled);
            f = s.flags;
            fired += s.fire;
        }
        EXPECT_EQ(f.hot, k.end.hot);
        EXPECT_EQ(f.pressed, k.end.pressed);
        EXPECT_EQ(f.focused, k.end.focused);
        EXPECT_EQ(fired, k.fired);
    }
}

TEST(PressStates, FocusIsTakenOnlyByAPressThatLacksIt) {
    EXPECT_TRUE(PressNext(PressKind::Button, {}, I::LeftDown, true).takeFocus);
    EXPECT_FALSE(PressNext(PressKind::Button, {false, false, true}, I::LeftDown, true).takeFocus);
    EXPECT_TRUE(PressNext(PressKind::CheckBox, {}, I::Accelerator, true).takeFocus);
    EXPECT_FALSE(PressNext(PressKind::Button, {}, I::Accelerator, true).takeFocus);
}

TEST(ToolbarStates, SequencesEndInTheirState) {
    using T = ToolbarInput;
    struct Case {
        const char* name;
        std::vector<T> inputs;
        TButtonState97 state;
        bool mouseIn;
        int clicks;
    };
    const Case cases[] = {
        {"hot", {T::EnterHot}, bsMouseIn, true, 0},
        {"hot and gone", {T::EnterHot, T::LeaveHot}, bsUp, false, 0},
        {"pressed", {T::EnterHot, T::LeftDown}, bsDown, true, 0},
        {"tracked press keeps the look when leaving",
         {T::EnterHot, T::LeftDown, T::LeaveHot},
         bsDown,
         true,
         0},
        {"dragged off and back", {T::LeftDown, T::MoveOffFace, T::MoveOnFace}, bsDown, true, 0},
        {"dragged off and released",
         {T::LeftDown, T::MoveOffFace, T::LeftUpOffFace},
         bsUp,
         false,
         0},
        {"released on the face", {T::LeftDown, T::LeftUpOnFace}, bsDown, true, 1},
        {"after the click up and not hot",
         {T::LeftDown, T::LeftUpOnFace, T::ClickBegin, T::ClickEnd},
         bsUp,
         false,
         1},
        {"pressed through the click while the menu takes the mouse",
         {T::EnterHot, T::ClickBegin, T::LeaveHot},
         bsDown,
         false,
         0},
        {"disabled ignores the mouse",
         {T::Disable, T::EnterHot, T::LeftDown},
         bsDisabled,
         false,
         0},
        {"enabled again", {T::EnterHot, T::Disable, T::Enable}, bsUp, false, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ToolbarFlags f;
        int clicks = 0;
        for (T input : k.inputs) {
            const ToolbarStep s = ToolbarNext(f, input);
            f = s.flags;
            clicks += s.click;
        }
        EXPECT_EQ(f.state, k.state);
        EXPECT_EQ(f.mouseIn, k.mouseIn);
        EXPECT_EQ(clicks, k.clicks);
    }
}

TEST(CaptionText, AmpersandMarksTheAccelerator) {
    struct Case {
        const char* caption;
        const char* text;
        const char* before;
        const char* through;
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
        EXPECT_EQ(t.text, k.text) << k.caption;
        EXPECT_EQ(t.before, k.before) << k.caption;
        EXPECT_EQ(t.through, k.through) << k.caption;
    }
}
