#pragma once
// What the game does when a level ends or begins: the token column, the
// progress save, the hint page, the world map after a group, the hand-over to
// the next level or the journey's end after the last.

class GameController;

// The hint page of a level opens the first time the level is entered.
void OpenHintPage(GameController& game, int number);

// solved true: the ball reached the exit; false: the level was skipped.
void FinishLevel(GameController& game, bool solved);

// A level started directly: a hand-over already at rest, the tokens of a new group.
void StartHandOverAtRest(GameController& game);
