#pragma once
// Where a roll goes, decided in one place: what a cell does to the ball on its
// centre, whether the ball may enter the next cell, and so whether it stops.
// The ball asks at every cell centre it reaches while it moves a third of a
// cell a step; the level solver keeps the map's answers in tables and decides
// each arrival with the same ArriveOn; the editor's distance map asks about
// each cell it crosses.
//
// Lock colours travel as a lock index, keyStateType's numbering: bit c is set
// while colour c lets the ball through.

#include <cstdint>

#include "puzzle/board.h"

struct mapType;

// What a cell does to the ball on its centre.
enum class CellEffect : uint8_t {
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

  // The ball on the centre of (x, y) heading in `direction` (0 when it rests).
  Arrival Arrive(int x, int y, int direction, int locks) const;

  static bool IsMove(int direction) { return direction >= direction::Up && direction <= direction::Left; }
  static BoardCell Beside(BoardCell cell, int direction) {
    switch (direction) {
      case direction::Up: return {cell.x, cell.y - 1};
      case direction::Right: return {cell.x + 1, cell.y};
      case direction::Down: return {cell.x, cell.y + 1};
      case direction::Left: return {cell.x - 1, cell.y};
      default: return cell;
    }
  }

 private:
  int KeyColour(int x, int y) const;

  const mapType& map_;
};

// The decision at a cell centre, made on any board that answers EffectAt,
// MayEnter, PartnerOf and AfterKey as RollRule does: the map itself, or the
// level solver's tables of those answers. A teleport sends the ball on from
// its partner without asking whether the cell after the partner may be
// entered; a key turns its lock only after the ball has decided whether to
// stop on it.
template <class Board>
Arrival ArriveOn(const Board& board, int x, int y, int direction, int locks) {
  Arrival at;
  at.effect = board.EffectAt(x, y);
  at.leaves = {x, y};
  at.locks = locks;
  switch (at.effect) {
    case CellEffect::Exit: at.outcome = Arrival::Exit; return at;
    case CellEffect::OffBoard: at.outcome = Arrival::FallOff; return at;
    case CellEffect::Teleport:
      at.leaves = board.PartnerOf(x, y);
      at.next = RollRule::Beside(at.leaves, direction);
      at.outcome = Arrival::RollOn;
      return at;
    default: break;
  }
  at.next = RollRule::Beside(at.leaves, direction);
  const bool blocked = !RollRule::IsMove(direction) || !board.MayEnter(at.next.x, at.next.y, locks);
  at.locks = board.AfterKey(x, y, locks);
  at.outcome = blocked ? Arrival::Stop : Arrival::RollOn;
  return at;
}
