#pragma once
// The keys read at the end of each level step: V shows the version in every
// build; in the developer build E switches the level editor on and off, and
// while it is on the editor's keys and mouse buttons change the current map.

class GameController;

void UpdateEditorKeys(GameController& game, int playerControl);

// In the editor every level it arrives at is shown already solved.
void SolveArrivedLevel(GameController& game);
