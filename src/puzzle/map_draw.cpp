// Drawing a map cell by cell: walls in the art style's tile set, the glow the
// ball leaves on walls and locks, keys until used, the two lock colours fading
// while they change (a gateway shows its silver frame open and its bars
// closed), each teleport's pips, and in the editor the markers that play
// never shows.
// The map leaves colour white, alpha 1 and alpha blending behind it.
//
// Cells are painted into a list of strokes first. When every stroke stays
// inside its own cell, no stroke of one cell can touch another's, so the list
// is drawn layer by layer (every cell's first stroke, then every second one,
// ...): the same pixels as cell by cell, but the driver sees a handful of
// batches instead of several state changes per cell. Strokes that reach into
// neighbouring cells (the editor's teleport digits, "Bad" texts) keep the
// cell-by-cell order.

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/render/graphics.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/map.h"
#include "puzzle/teleport_pairs.h"
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
// Of boardMarksImage; a teleport pair's pips follow, one frame per pair.
constexpr int GatewayClosedFrame = 0;
constexpr int GatewayOpenFrame = 1;
constexpr int FirstTeleportPipsFrame = 2;
constexpr float EditorOpenLockAlpha = 0.5f;
constexpr float OpenGatewayAlpha = 0.3f;       // the wall's picture, faint
constexpr float OpenGatewayFrameAlpha = 0.8f;  // and its frame, where the style has one
constexpr float ProtectedAlpha = 0.1f;

// Only the codes the game makes are drawn as what they name. Any other code
// answers a kind of its own (a 6 would look like a lock of colour -27) and is
// drawn as text.
bool IsKnownCode(const mapType& map, int code) {
  return (code >= tile::Void && code <= tile::Floor) || (code >= map.wallMin && code <= map.wallMax) ||
         (code >= tile::FirstTeleport && code <= tile::LastTeleport) ||
         (code >= tile::FirstKey && code <= tile::LastLock);
}

struct Stroke {
  int layer;  // its place among its cell's strokes
  const TImage* image;
  int frame;
  std::string text;  // drawn instead of an image when set
  float x, y;
  int blend;
  float alpha;
  int red, green, blue;
};

struct Pen {
  int blend = AlphaBlend;
  float alpha = 1.0f;
  int red = 255, green = 255, blue = 255;
};

class CellPainter {
 public:
  CellPainter(const mapType& map, int x, int y, int originX, int originY, int withGlow,
              std::vector<Stroke>& strokes)
      : map_(map),
        x_(x),
        y_(y),
        code_(map.tiles[x][y]),
        px_(static_cast<float>(originX + board::CellSize * x + map.offsetX)),
        py_(static_cast<float>(originY + board::CellSize * y + map.offsetY)),
        withGlow_(withGlow),
        strokes_(strokes) {}

  void Paint() {
    if (!IsKnownCode(map_, code_)) {
      Record(nullptr, 0, "Bad " + std::to_string(code_));
    } else {
      PaintKind(map_.TileKind(x_, y_));
    }
    if (EditorMode == 1 && map_.IsEditable(x_, y_) == 0) {
      pen_.blend = LightBlend;
      pen_.alpha = ProtectedAlpha;
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
        PaintTeleportPips();
        if (EditorMode == 1) Record(&digitsImage, code_ - tile::FirstTeleport);
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
    if (EditorMode == 1 || map_.lockState[colour] == initial) Record(&keyTileImage, initial + 1);
  }

  // White pips over the pair's coloured swirl: their count tells twins apart
  // where the colours do not.
  void PaintTeleportPips() { Record(&boardMarksImage, FirstTeleportPipsFrame + TeleportPairOf(code_)); }

  void PaintLock(int colour) {
    const int state = map_.lockState[colour];
    const float progress = static_cast<float>(map_.lockTimer[colour] * 1.0 / LockChangeSteps);
    bool drawn = true;
    if (map_.lockInitial[colour] == StartsClosed) {
      // A locked wall; the lock symbol on it shows that a key opens it.
      if (EditorMode == 1 || state == Closed) {
        LockedWall();
      } else if (state == Changing) {
        pen_.alpha = 1.0f - progress;
        LockedWall();
        Restore();
      } else {
        drawn = false;
      }
    } else if (EditorMode == 1) {
      pen_.alpha = EditorOpenLockAlpha;
      ClosedGateway();
      Restore();
    } else if (state == Closed) {
      ClosedGateway();
    } else {
      // Open, a gateway shows faintly where its wall would stand, framed in
      // silver, so that a player can plan round the key; closing, it firms
      // up from there and its bars come down.
      const float shown = state == Changing ? progress : 0.0f;
      pen_.alpha = OpenGatewayAlpha + (1.0f - OpenGatewayAlpha) * shown;
      Tile(PlainTileFrame);
      pen_.alpha = OpenGatewayFrameAlpha + (1.0f - OpenGatewayFrameAlpha) * shown;
      Border();
      if (shown < 1.0f) {
        pen_.alpha = 1.0f - shown;
        Record(&boardMarksImage, GatewayOpenFrame);
      }
      if (shown > 0.0f) {
        pen_.alpha = shown;
        Record(&boardMarksImage, GatewayClosedFrame);
      }
      Restore();
    }
    // An open lock of the colour that starts open still glows where it stands.
    if (drawn) Glow(PlainTileFrame, map_.lockInitial[colour] != StartsClosed);
  }

  void LockedWall() {
    Tile(PlainTileFrame);
    Record(&keyTileImage, LockSymbolFrame);
  }

  // A wall with its silver bars down: no wall of any style has them.
  void ClosedGateway() {
    Tile(PlainTileFrame);
    Border();
    Record(&boardMarksImage, GatewayClosedFrame);
  }

  // The light the ball leaves: the same tile again, added at the glow's strength.
  void Glow(int frame, bool bordered) {
    const int glow = map_.glow[x_][y_];
    if (withGlow_ != 1 || glow == 0) return;
    pen_.blend = LightBlend;
    pen_.alpha = static_cast<float>((glow - 2) / 30.0);
    Tile(frame);
    if (bordered) Border();
    Restore();
  }

  void Tinted(int red, int green, int blue, int frame) {
    pen_.red = red;
    pen_.green = green;
    pen_.blue = blue;
    Tile(frame);
    pen_.red = pen_.green = pen_.blue = 255;
  }

  void Tile(int frame) { Record(&currentTileSet, frame); }

  void Border() {
    if (tileBordersOn == 1) Record(&tileBorderImage);
  }

  void Restore() {
    pen_.blend = AlphaBlend;
    pen_.alpha = 1.0f;
  }

  void Record(const TImage* image, int frame = 0, std::string text = {}) {
    strokes_.push_back({layer_++, image, frame, std::move(text), px_, py_, pen_.blend, pen_.alpha, pen_.red,
                        pen_.green, pen_.blue});
  }

  const mapType& map_;
  int x_, y_;
  int code_;
  float px_, py_;
  int withGlow_;
  std::vector<Stroke>& strokes_;
  Pen pen_;
  int layer_ = 0;
};

// An image stays inside the cell it is drawn on when it reaches no further
// than half a cell from its handle.
bool StaysInCell(const Stroke& stroke) {
  if (!stroke.text.empty()) return false;
  const TImage& image = *stroke.image;
  if (!image) return true;
  constexpr float Half = board::CellSize / 2.0f;
  return image->handleX <= Half && image.Width() - image->handleX <= Half && image->handleY <= Half &&
         image.Height() - image->handleY <= Half;
}

void DrawStroke(const Stroke& stroke) {
  SetBlend(stroke.blend);
  SetAlpha(stroke.alpha);
  SetColor(stroke.red, stroke.green, stroke.blue);
  if (stroke.text.empty()) {
    DrawImage(*stroke.image, stroke.x, stroke.y, stroke.frame);
  } else {
    DrawText(stroke.text, stroke.x, stroke.y);
  }
}

}  // namespace

void mapType::Draw(int originX, int originY, int withGlow) {
  std::vector<Stroke> strokes;
  strokes.reserve(4 * board::Width * board::Height);
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) CellPainter(*this, x, y, originX, originY, withGlow, strokes).Paint();
  }
  // The strokes are put in order by pointer: moving the strokes themselves,
  // texts and all, cost the busy level about 0.04 ms a frame.
  std::vector<const Stroke*> order;
  order.reserve(strokes.size());
  for (const Stroke& stroke : strokes) order.push_back(&stroke);
  if (std::all_of(strokes.begin(), strokes.end(), StaysInCell)) {
    // Within a layer the order is free; grouping by picture keeps batches long.
    std::stable_sort(order.begin(), order.end(), [](const Stroke* a, const Stroke* b) {
      return std::tie(a->layer, a->blend, a->image, a->frame) < std::tie(b->layer, b->blend, b->image, b->frame);
    });
  }
  for (const Stroke* stroke : order) DrawStroke(*stroke);
  SetBlend(AlphaBlend);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  if (ball) ball->Draw(originX + OffsetX(), originY + OffsetY());
}
