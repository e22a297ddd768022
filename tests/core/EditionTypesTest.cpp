#include "core/Edition.h"
#include "core/Groups.h"
#include "core/TableMarking.h"

#include <type_traits>

// Rules about types, checked when this file compiles; the program's own tables show that
// what is allowed compiles.

// A handle keeps its table's address, so it never takes a temporary.
using Handle = core::EditionTable<core::FrequencyTexts>;
static_assert(!std::is_constructible_v<Handle, core::FrequencyTexts>);
static_assert(!std::is_assignable_v<Handle&, core::FrequencyTexts>);

// Rules name every field: a draw-file rule from a game alone, or a table rule from nothing,
// is none.
template <class R>
concept MadeFromAGameAlone = requires(core::Game g) {
    R{.game = g};
};
static_assert(!MadeFromAGameAlone<core::DrawFileRules>);
static_assert(!std::is_default_constructible_v<core::TableRules>);

// The group cut takes the pool it cuts.
template <class... A>
concept GroupCutsTake = requires(A... a) {
    core::GroupOfNumber(0, a...);
    core::GroupCount(a...);
};
static_assert(GroupCutsTake<int, int> && !GroupCutsTake<int>);
