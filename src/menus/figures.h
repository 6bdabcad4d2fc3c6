#pragma once
// Numbers in the game's own figures (counter.png, loaded with the shared
// pictures): the move counter on the play screen and the plates of the level
// select. Digits, '-' for a dash and '/' are set; anything else is left out.

#include <string>

enum class FigureAlign { Left, Centre, Right };

// Sets the text on the figures' baseline at `baseline`, its left edge, centre or right edge at x.
void DrawFigures(const std::string& text, float x, float baseline, FigureAlign align);
