#include "core/Edition.h"
#include "core/Groups.h"
#include "core/TableMarking.h"

#include <type_traits>

// Rules about types, checked when this file compiles.

namespace {

using core::EditionTable;

// A handle keeps its table's address, so it takes a table that outlives it and never a
// temporary, not even through an edition's field.
template <class T>
constexpr bool TakesOnlyALastingTable =
    std::is_constructible_v<EditionTable<T>, const T&> &&
    !std::is_constructible_v<EditionTable<T>, T> &&
    !std::is_constructible_v<EditionTable<T>, const T> &&
    !std::is_convertible_v<T, EditionTable<T>> && !std::is_assignable_v<EditionTable<T>&, T>;

static_assert(TakesOnlyALastingTable<core::FrequencyTexts>);
static_assert(TakesOnlyALastingTable<core::MeasureRules>);
static_assert(TakesOnlyALastingTable<core::ZoneTexts>);
static_assert(TakesOnlyALastingTable<core::PairRules>);
static_assert(TakesOnlyALastingTable<core::StrategyRules>);
static_assert(TakesOnlyALastingTable<core::FilterRules>);

// Draw-file rules name every field: a game alone, or a game and a line rule, make none.
template <class R>
concept MadeFromAGameAlone = requires(core::Game g) {
    R{.game = g};
};
template <class R>
concept MadeWithoutTheEmptyFileRule = requires(core::Game g) {
    R{.game = g, .rule = core::LineRule::Numbers};
};
template <class R>
concept MadeWithEveryField = requires(core::Game g) {
    R{.game = g, .rule = core::LineRule::Numbers, .emptyFileClears = false};
};

static_assert(MadeWithEveryField<core::DrawFileRules>);
static_assert(!MadeFromAGameAlone<core::DrawFileRules>);
static_assert(!MadeWithoutTheEmptyFileRule<core::DrawFileRules>);
static_assert(!std::is_constructible_v<core::DrawFileRules, core::Game>);
static_assert(!std::is_constructible_v<core::DrawFileRules, core::Game, core::LineRule>);
static_assert(!std::is_convertible_v<core::Game, core::DrawFileRules>);
static_assert(!std::is_default_constructible_v<core::DrawFileRules>);

// The table's trace cap is given, never taken as "none" by default.
static_assert(!std::is_default_constructible_v<core::TableRules>);
static_assert(std::is_constructible_v<core::TableRules, int>);

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

} // namespace
