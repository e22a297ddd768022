#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The numbers of a list text, at most limit of them, in order. Anything but digits separates;
// a number outside 1..pool is ignored (kept as a byte it would turn into another number, or
// into a zero that ends the list).
std::vector<int> ParseNumberList(std::string_view text, int limit, int pool);

// The list format of the utilities window: every non-zero number two digits wide (against
// pool) followed by one blank.
std::string ListText(const std::vector<int>& numbers, int pool);

// How many numbers a list text shows: its count of blanks.
int CountBlanks(std::string_view text);

// 1..pool without the numbers of list.
std::vector<int> RemoveFromPool(std::string_view list, int pool);

// The union of two lists of up to 2 * pool numbers each, first list first, then the numbers
// of the second at their own positions after it (those past the last slot are dropped),
// repeats removed, ascending.
std::vector<int> CombineLists(std::string_view first, std::string_view second, int pool);

// A line of exactly perDraw numbers within 1..pool (blanks between them) with its numbers
// sorted and written two digits wide, separated by blanks; any other line as it was.
std::string SortDrawLine(const std::string& line, const Game& game, bool ascending);

// The nonlinear generator's edit after a click: the numbers it lists with repeats removed,
// then the number at position counter of the store read as one sequence of numbers.
// An empty store (or a counter past it) appends 0.
std::string NonlinearClickText(std::string_view editText, const DrawStore& store, const Game& game,
                               int counter);

// The next value of the nonlinear generator's counter: it wraps on reaching the numbers in
// the store, and stays 0 on an empty store.
int NextNonlinearCounter(int counter, int drawCount, int perDraw);

} // namespace core
