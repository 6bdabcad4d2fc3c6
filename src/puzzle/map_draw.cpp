// Drawing a map cell by cell: walls in the art style's tile set, the glow the
// ball leaves on walls and locks, keys until used, the two lock colours fading
// while they change, and in the editor the markers that play never shows.
// Every cell leaves colour white, alpha 1 and alpha blending behind it.

#include <string>

#include "platform/graphics.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/map.h"
#include "services/resources.h"

using namespace platform;

namespace {

// Start and floor answer their own codes as their kinds.
constexpr int StartKind = tile::Start;

constexpr int Closed = 0;
constexpr int Changing = 2;
constexpr int StartsClosed = 0;
constexpr double LockChangeSteps = 40.0;

constexpr int PlainTileFrame = 0;  // void cells, locks and the editor's protected cells
constexpr int ExitMarkerFrame = 2;
constexpr int StartMarkerFrame = 3;
constexpr int LockSymbolFrame = 0;  // of keyTileImage; a key is 1 + its colour's initial state
constexpr float EditorOpenLockAlpha = 0.5f;
constexpr float ProtectedAlpha = 0.1f;

// Only the codes the game makes are drawn as what they name. Any other code
// answers a kind of its own (a 6 would look like a lock of colour -27) and is
// drawn as text.
bool IsKnownCode(const mapType& map, int code) {
  return (code >= tile::Void && code <= tile::Floor) || (code >= map.wallMin && code <= map.wallMax) ||
         (code >= tile::FirstTeleport && code <= tile::LastTeleport) ||
         (code >= tile::FirstKey && code <= tile::LastLock);
}

class CellPainter {
 public:
  CellPainter(const mapType& map, int x, int y, int originX, int originY, int withGlow)
      : map_(map),
        x_(x),
        y_(y),
        code_(map.tiles[x][y]),
        px_(static_cast<float>(originX + board::CellSize * x + map.offsetX)),
        py_(static_cast<float>(originY + board::CellSize * y + map.offsetY)),
        withGlow_(withGlow) {}

  void Paint() {
    if (!IsKnownCode(map_, code_)) {
      DrawText("Bad " + std::to_string(code_), px_, py_);
    } else {
      PaintKind(map_.TileKind(x_, y_));
    }
    if (EditorMode == 1 && map_.IsEditable(x_, y_) == 0) {
      SetBlend(LightBlend);
      SetAlpha(ProtectedAlpha);
      Tile(PlainTileFrame);
      Restore();
    }
  }

 private:
  void PaintKind(int kind) {
    switch (kind) {
      case tilekind::Wall:
        if (code_ == tile::Void) {
          Tinted(50, 50, 255, PlainTileFrame);
        } else {
          Tile(code_ - map_.wallMin);
          Border();
          Glow(code_ - map_.wallMin, true);
        }
        break;
      case tilekind::Exit:
        if (EditorMode == 1) Tinted(255, 0, 0, ExitMarkerFrame);
        break;
      case StartKind:
        if (EditorMode == 1) Tinted(0, 255, 0, StartMarkerFrame);
        break;
      case tilekind::Teleport:
        if (EditorMode == 1) DrawImage(digitsImage, px_, py_, code_ - tile::FirstTeleport);
        break;
      case tilekind::Key:
        PaintKey(code_ - tile::FirstKey);
        break;
      case tilekind::Lock:
        PaintLock(code_ - tile::FirstLock);
        break;
      default:  // floor: the background shows
        break;
    }
  }

  // A key is drawn until it is used.
  void PaintKey(int colour) {
    const int initial = map_.lockInitial[colour];
    if (EditorMode == 1 || map_.lockState[colour] == initial) DrawImage(keyTileImage, px_, py_, initial + 1);
  }

  void PaintLock(int colour) {
    const int state = map_.lockState[colour];
    const float progress = static_cast<float>(map_.lockTimer[colour] * 1.0 / LockChangeSteps);
    bool drawn = true;
    if (map_.lockInitial[colour] == StartsClosed) {
      // A locked wall; the lock symbol on it shows that a key opens it.
      if (EditorMode == 1 || state == Closed) {
        LockedWall();
      } else if (state == Changing) {
        SetAlpha(1.0f - progress);
        LockedWall();
        Restore();
      } else {
        drawn = false;
      }
    } else if (EditorMode == 1) {
      SetAlpha(EditorOpenLockAlpha);
      BorderedLock();
      Restore();
    } else if (state == Closed) {
      BorderedLock();
    } else if (state == Changing) {
      SetAlpha(progress);
      BorderedLock();
      Restore();
    }
    // An open lock of the colour that starts open still glows where it stands.
    if (drawn) Glow(PlainTileFrame, map_.lockInitial[colour] != StartsClosed);
  }

  void LockedWall() {
    Tile(PlainTileFrame);
    DrawImage(keyTileImage, px_, py_, LockSymbolFrame);
  }

  void BorderedLock() {
    Tile(PlainTileFrame);
    Border();
  }

  // The light the ball leaves: the same tile again, added at the glow's strength.
  void Glow(int frame, bool bordered) {
    const int glow = map_.glow[x_][y_];
    if (withGlow_ != 1 || glow == 0) return;
    SetBlend(LightBlend);
    SetAlpha(static_cast<float>((glow - 2) / 30.0));
    Tile(frame);
    if (bordered) Border();
    Restore();
  }

  void Tinted(int red, int green, int blue, int frame) {
    SetColor(red, green, blue);
    Tile(frame);
    SetColor(255, 255, 255);
  }

  void Tile(int frame) { DrawImage(currentTileSet, px_, py_, frame); }

  void Border() {
    if (tileBordersOn == 1) DrawImage(tileBorderImage, px_, py_);
  }

  static void Restore() {
    SetBlend(AlphaBlend);
    SetAlpha(1.0f);
  }

  const mapType& map_;
  int x_, y_;
  int code_;
  float px_, py_;
  int withGlow_;
};

}  // namespace

void mapType::Draw(int originX, int originY, int withGlow) {
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) CellPainter(*this, x, y, originX, originY, withGlow).Paint();
  }
  if (ball) ball->Draw(originX, originY);
}
