// The eight games the menu offers, in menu order.
#pragma once

#include "shell/shell.h"

#include <cstdint>
#include <vector>

std::vector<GameEntry> toatoaGames();
// Every game opened from now on deals from `seed` instead of the clock (the screenshot tool's fixed deals).
void dealFromSeed(std::uint64_t seed);
