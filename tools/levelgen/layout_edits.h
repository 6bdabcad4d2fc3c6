#pragma once
// Making a fresh layout for a level, and the small changes the search tries on it.

#include "layout.h"
#include "random_source.h"

Layout RandomLayout(const LevelPlan& plan, const LevelGround& ground, RandomSource& random);
// One random change: a shape added, taken away, moved or reformed; a piece
// moved, added or taken away; an opening in the frame; the exit moved.
void Mutate(Layout& layout, const LevelPlan& plan, const LevelGround& ground, RandomSource& random);
