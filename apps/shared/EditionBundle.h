#pragma once

#include "apps/shared/TableWindowEdition.h"
#include "apps/shared/UtilsEdition.h"
#include "core/Edition.h"

// Everything one edition brings: its game and command rules, its utilities window and its
// table window. A program chooses one, once, and hands it to every window.
struct EditionBundle {
    const core::Edition& rules;
    const UtilsEdition& utils;
    const TableWindowEdition& table;
};

inline const EditionBundle Bundle6x45{
    .rules = core::Edition6x45, .utils = Utils6x45, .table = TableWindow6x45};
inline const EditionBundle Bundle5x36{
    .rules = core::Edition5x36, .utils = Utils5x36, .table = TableWindow5x36};
