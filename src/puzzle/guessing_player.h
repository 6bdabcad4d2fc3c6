#pragma once
// A player who does not think: at every resting state they pick at random
// among the rolls that move the ball and, away from the start, a restart, each
// taking one move; rolling off the board puts the ball back on the start. The
// expected number of moves such a player needs to finish tells a level worked
// out from one guessed.

#include <array>
#include <vector>

namespace guessing {

constexpr int NoRoll = -1;  // the ball cannot move that way, or would roll for ever
constexpr int ToExit = -2;  // the roll finishes the level

}  // namespace guessing

// rolls[i][m]: where roll m from resting state i ends (another state's index,
// NoRoll or ToExit); a roll off the board gives `start`. The expected moves
// satisfy E(i) = 1 + the mean of E over i's choices, E(exit) = 0: the fixed
// point value iteration over the resting states creeps towards, solved here
// directly. Returns -1 when the exit cannot be reached from the start.
double ExpectedGuessingMoves(const std::vector<std::array<int, 4>>& rolls, int start);
