#include "core/Edition.h"
#include "core/Groups.h"
#include "core/TableMarking.h"

#include <type_traits>

// Rules about types, checked when this file compiles; the program's own tables show that
// what is allowed compiles.

// A handle keeps its table's address, so it never takes a temporary.
using Handle = core::EditionTable<core::FrequencyTexts>;
static_assert(!std::is_constructible_v<Handle, core::FrequencyTexts>);

// Rules name every field: a draw-file rule from a game alone, or a table rule from nothing,
// is none.
static_assert(!std::is_constructible_v<core::DrawFileRules, core::Game>);
static_assert(!std::is_default_constructible_v<core::TableRules>);

// The group cut takes the pool it cuts.
template <class... A>
concept GroupOfNumberTakes = requires(A... a) {
    core::GroupOfNumber(a...);
};
template <class... A>
concept GroupCountTakes = requires(A... a) {
    core::GroupCount(a...);
};
static_assert(GroupOfNumberTakes<int, int, int> && !GroupOfNumberTakes<int, int>);
static_assert(GroupCountTakes<int, int> && !GroupCountTakes<int>);
