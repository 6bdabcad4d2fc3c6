#pragma once
// Where a roll goes, decided in one place: what a cell does to the ball on its
// centre, whether the ball may enter the next cell, and so whether it stops.
// The ball asks at every cell centre it reaches while it moves a third of a
// cell a step; the level solver lays the answers out in tables; the editor's
// distance map asks about each cell it crosses.
//
// Lock colours travel as a lock index, keyStateType's numbering: bit c is set
// while colour c lets the ball through.

#include "puzzle/board.h"

struct mapType;

// What a cell does to the ball on its centre.
enum class CellEffect {
  Plain,     // floor, void, a lock, a wall a teleport carried the ball into, an unknown code
  Exit,      // the level is solved
  OffBoard,  // the ball has rolled off the board: the level starts over
  Teleport,  // the ball goes on from the partner cell
  Key,       // a lock colour turns, once the ball has decided whether to stop here
};

struct BoardCell {
  int x = 0, y = 0;
};

// The ball on a cell centre: at rest there, or arriving while it rolls.
struct Arrival {
  enum Outcome { Stop, Exit, FallOff, RollOn };
  Outcome outcome = Stop;
  CellEffect effect = CellEffect::Plain;
  BoardCell leaves;  // the centre the ball rolls on from: a teleport's partner, else the cell itself
  BoardCell next;    // the cell it rolls into when it rolls on
  int locks = 0;     // the lock index afterwards
};

class RollRule {
 public:
  explicit RollRule(const mapType& map) : map_(map) {}

  CellEffect EffectAt(int x, int y) const;
  // Off the board the ball may always go, and falls off.
  bool MayEnter(int x, int y, int locks) const;
  // The first cell, x outer, holding the partner code of the teleport at
  // (x, y); the teleport itself when no cell does.
  BoardCell PartnerOf(int x, int y) const;
  // The lock index after the key at (x, y): its colour turned away from how it
  // starts, which a key does once an attempt. Anything but a key changes nothing.
  int AfterKey(int x, int y, int locks) const;
  // The lock index a level starts with.
  int StartLocks() const;
  // The map's locks in play. A colour still fading counts as changed: the
  // ball's way through it was settled when its key was reached.
  int LocksInPlay() const;

  // The ball on the centre of (x, y) heading in `direction` (0 when it rests)
  // with the locks as given. A teleport sends it on from its partner without
  // asking whether the cell after the partner may be entered; a key turns its
  // lock only after the ball has decided whether to stop on it.
  Arrival Arrive(int x, int y, int direction, int locks) const;

 private:
  int KeyColour(int x, int y) const;

  const mapType& map_;
};
