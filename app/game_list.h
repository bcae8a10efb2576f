// The eight games the menu offers, in menu order.
#pragma once

#include "shell/shell.h"

#include <vector>

std::vector<GameEntry> toatoaGames();
