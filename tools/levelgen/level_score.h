#pragma once
// How close a painted level comes to its plan, as one number to climb: the
// rules every shipped level must keep weigh heavily, the aims (moves near the
// target, dead ends, choices, a busy board) lightly.

#include "level_plan.h"
#include "puzzle/level_rules.h"
#include "puzzle/map.h"

int ScoreLevel(const mapType& map, const LevelReview& review, const LevelPlan& plan);

// Cells of the largest rectangle inside the frame holding only floor.
int LargestEmptyArea(const mapType& map);

// A teleport needs open board on all four sides, since the ball leaves its
// partner without looking where it goes.
bool TeleportsHaveRoom(const mapType& map);
