#pragma once
// The moves of this attempt and the level's par, in the game's figures beside
// the labels the frame engraves between the Menu and Restart plates.

class Attempt;

void DrawMoveCounter(const Attempt& attempt);
