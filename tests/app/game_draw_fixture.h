#pragma once
// Whole play frames as the game draws them: the game's level fixture with the
// display and media of the drawing tests.

#include "app/game_level_fixture.h"
#include "puzzle/draw_fixture.h"

using GameDrawTest = DrawTestOn<GameLevelTest>;
