#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/PairCommands.h"
#include "core/TableColumns.h"

#include <string_view>

namespace core {

// The group of number x when 1..pool is cut into groups of pool div n numbers, the last group
// taking the numbers that would not fill another one; 0 for x outside 1..pool. Needs
// 1 <= n <= pool.
int GroupOfNumber(int x, int n, int pool);

// The decade of x: 1-9 give 1, 10-19 give 2, ... 40-45 give 5; 0 outside 1..45.
int DecadeOfNumber(int x);

// How many groups the cut for n makes (the decades for n = 0).
int GroupCount(int n, int pool);

Prompt GroupsPrompt();
// Non-digits dropped; an empty or unconvertible answer gives 0 (the decades), above pool gives
// pool.
int GroupsAnswer(std::string_view answer, int pool);

// Beside every draw the group of each of its numbers (columns 8..) and N, how many different
// groups it hits (column 14).
TableResult Groups(const DrawStore& store, const Game& game, int n, Lang lang);

// The column the group highlight reads.
inline constexpr int GroupCountColumn = 14;

// Whether a cell of that column shows the chosen value; a cell that is not a number shows none.
bool GroupHighlighted(std::string_view cell, int chosen);

} // namespace core
