#include "app/move_counter.h"

#include <string>

#include "menus/figures.h"
#include "puzzle/attempt.h"

namespace {

// Where the frame picture engraves "MOVES" and "PAR": the figures stand flush
// right against the end of its hairline, on the labels' baselines.
constexpr float FiguresRight = 332;
constexpr float MovesBaseline = 556;
constexpr float ParBaseline = 580;

}  // namespace

void DrawMoveCounter(const Attempt& attempt) {
  DrawFigures(std::to_string(attempt.Moves()), FiguresRight, MovesBaseline, FigureAlign::Right);
  // A level the solver finds no way through has no par to show.
  DrawFigures(attempt.Par() > 0 ? std::to_string(attempt.Par()) : "-", FiguresRight, ParBaseline, FigureAlign::Right);
}
