#include "menus/world_map.h"

#include <algorithm>

#include "menus/world_route.h"
#include "platform/host/input.h"
#include "puzzle/particles.h"
#include "services/level_numbers.h"
#include "services/level_records.h"
#include "services/progress.h"
#include "services/resources.h"

using namespace platform;

namespace {

constexpr int DotParticle = 5;
constexpr int HeadParticle = 6;
constexpr double PhaseStep = 0.04;
constexpr float BallScale = 0.8f;
constexpr float StarScale = 0.75f;
constexpr float StarSpacing = 11;
constexpr float StarsAbove = 15;  // pixels over the road

}  // namespace

std::shared_ptr<WorldMap> WorldMap::Create(MenuHost& host) {
  auto map = std::make_shared<WorldMap>(host);
  map->Init(0, 0, 0, -1, -1, 0, 0, 1, 1, 0, "worldMap.png", "levelSquares.png", 9, "", 0, 0);
  map->drawnLength = map->TargetLength();
  for (int i = 0; i < PieceCount; ++i) {
    const int* p = world_route::kPieces[i];
    map->path[i] = SplineType::Create(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
  }
  map->Setup();
  // Its 800 x 600 picture is up for a few seconds after every fifth level:
  // read when the map is shown, let go once it has faded out.
  map->ReleasePictures();
  return map;
}

void WorldMap::Setup() {
  state = Hidden;
  fade = 0;
  playOpenSound = 0;
}

void WorldMap::Show() {
  RestorePictures();
  MenuScreen::Show();
  particles = std::make_shared<particleNodeType>();
  wholeRoad = false;
}

void WorldMap::ShowWholeRoad() {
  Show();
  wholeRoad = true;
}

void WorldMap::Close() {
  fade = static_cast<int>(fade * 1.5);
  MenuScreen::Close();
  if (onClose) onClose();
}

void WorldMap::Update(bool inputSuppressed) {
  MenuScreen::Update(inputSuppressed);
  if (state == Hidden) ReleasePictures();
  if (particles) {
    AdvancePath();
    particles->Update();
  }
}

void WorldMap::HandleInput() {
  if (state != FadingIn && KeyHit('L')) {
    Close();
    host.OpenLevelSelect();
    return;
  }
  PopupScreen::HandleInput();
}

void WorldMap::Activate(bool) { Close(); }

double WorldMap::TargetLength() const {
  const Progress& progress = host.PlayerProgress();
  int completed = 0;
  for (int group = 1; group < Progress::GroupCount; ++group) {
    const int s = progress.groupStates[group];
    if (s == Progress::GroupSolved || s == Progress::GroupPassed) completed += 1;
  }
  const double length = static_cast<double>(segmentLength) * completed;
  return wholeRoad ? std::max(length, PathLength()) : length;
}

double WorldMap::PathLength() const {
  double length = 0;
  for (const SplineType& piece : path) length += piece.length;
  return length;
}

void WorldMap::AdvancePath() {
  if (state != Shown && state != FadingIn) return;
  stepCounter += 1;
  if (stepCounter != 2) return;
  stepCounter = 0;

  const double target = TargetLength();
  if (drawnLength < target) {
    drawnLength += 1;
  } else if (drawnLength > target) {
    // The progress was reset: the path starts over from nothing.
    drawnLength = 0;
    headX = headY = -1;
  }
  phase += PhaseStep;
  if (phase >= 1) phase = 0;

  // Walks the pieces forward to the one holding `position`; false past the end.
  int k = 0;
  double before = 0;  // length of the pieces before k
  auto reach = [&](double position) {
    while (position - before > path[k].length && k < PieceCount - 1) {
      before += path[k].length;
      k += 1;
    }
    return position - before <= path[k].length;
  };
  for (double pos = phase * DotSpacing; pos < drawnLength; pos += DotSpacing) {
    if (!reach(pos)) break;
    const SplinePoint p = PointAt((pos - before) / path[k].length, path[k]);
    Emit(DotParticle, static_cast<float>(p.x), static_cast<float>(p.y), 1.0f, -1, -1, ParticleSink{*particles});
  }
  if (drawnLength > 0) {
    reach(drawnLength);
    const double u = std::min((drawnLength - before) / path[k].length, 1.0);
    const SplinePoint p = PointAt(u, path[k]);
    Emit(HeadParticle, static_cast<float>(p.x), static_cast<float>(p.y), 1.0f, -1, -1, ParticleSink{*particles});
    headX = p.x;
    headY = p.y;
  }
}

SplinePoint WorldMap::PointAlong(double length) const {
  double before = 0;
  for (const SplineType& piece : path) {
    if (length - before <= piece.length) return PointAt((length - before) / piece.length, piece);
    before += piece.length;
  }
  return PointAt(1.0, path.back());
}

// The first group's stars stand at the start of the road; each later group's
// where its stretch ends, once the path has grown that far.
void WorldMap::DrawParStars() const {
  const Progress& progress = host.PlayerProgress();
  const LevelRecords& records = host.Records();
  SetBlend(AlphaBlend);
  SetColor(255, 255, 255);
  SetAlpha(Alpha());
  SetScale(StarScale, StarScale);
  int completed = 0;
  for (int group = 0; group * levels::GroupSize <= levels::Last; ++group) {
    const int s = progress.groupStates[group];
    if (s != Progress::GroupSolved && s != Progress::GroupPassed) continue;
    if (group > 0) completed += 1;
    const double along = static_cast<double>(segmentLength) * completed;
    if (along > drawnLength) break;
    const SplinePoint p = PointAlong(along);
    for (int i = 0; i < levels::GroupSize; ++i) {
      if (!records.Of(group * levels::GroupSize + i).atPar) continue;
      const float x = static_cast<float>(p.x) + (static_cast<float>(i) - 2) * StarSpacing;
      DrawImage(parStarImage, x, static_cast<float>(p.y) - StarsAbove, 0);
    }
  }
  SetScale(1, 1);
}

void WorldMap::Draw(bool overlay) {
  PopupScreen::Draw(overlay);
  if (fade <= 0 || !particles) return;
  particles->Draw(0, 0, 0, Alpha());
  DrawParStars();
  SetAlpha(Alpha());
  SetColor(240, 228, 200);
  DrawText("L: all levels", 800 - 8 - 13 * 8, 600 - 22);
  SetColor(255, 255, 255);
  if (headX > 0 && headY > 0 && Alpha() > 0.5f) {
    SetBlend(LightBlend);
    SetAlpha(Alpha());
    SetScale(BallScale, BallScale);
    DrawImage(ballImage, static_cast<float>(headX), static_cast<float>(headY), 0);
  }
  SetScale(1, 1);
}
