#include "menus/world_map.h"

#include <algorithm>

#include "puzzle/level_start.h"
#include "puzzle/particles.h"
#include "services/progress.h"
#include "services/resources.h"

using namespace platform;

std::shared_ptr<WorldMap> worldMap;

namespace {

// start, first control, end, second control. Each piece starts where the one
// before ends (two joints are a pixel apart) and the last returns to the start.
constexpr int Pieces[WorldMap::PieceCount][8] = {
    {101, 273, 100, 325, 191, 378, 130, 377}, {191, 378, 258, 380, 274, 298, 267, 334},
    {274, 298, 284, 298, 302, 296, 293, 297}, {302, 296, 315, 301, 354, 307, 333, 314},
    {354, 307, 414, 289, 579, 300, 509, 300}, {579, 301, 586, 311, 586, 323, 581, 312},
    {586, 323, 589, 329, 601, 335, 597, 331}, {601, 336, 602, 335, 603, 335, 602, 335},
    {603, 335, 602, 343, 588, 344, 596, 344}, {588, 344, 588, 358, 589, 375, 591, 367},
    {589, 375, 610, 376, 651, 376, 630, 376}, {651, 376, 653, 374, 657, 369, 655, 371},
    {657, 369, 657, 357, 657, 339, 656, 346}, {657, 339, 650, 339, 635, 340, 642, 340},
    {635, 340, 632, 337, 630, 328, 630, 335}, {630, 328, 633, 328, 630, 328, 637, 328},
    {630, 328, 642, 325, 655, 302, 654, 304}, {655, 302, 660, 298, 675, 300, 668, 303},
    {675, 300, 681, 296, 692, 287, 686, 291}, {692, 287, 692, 273, 687, 263, 689, 271},
    {687, 263, 685, 260, 679, 254, 682, 257}, {679, 254, 667, 249, 573, 259, 575, 256},
    {573, 259, 537, 251, 439, 254, 482, 255}, {439, 254, 424, 255, 394, 255, 409, 255},
    {394, 255, 382, 251, 325, 247, 340, 243}, {325, 247, 309, 252, 282, 259, 310, 259},
    {282, 259, 267, 239, 189, 168, 255, 168}, {189, 168, 131, 167, 101, 273, 101, 220},
};

constexpr int DotParticle = 5;
constexpr int HeadParticle = 6;
constexpr double PhaseStep = 0.04;
constexpr float BallScale = 0.8f;

}  // namespace

std::shared_ptr<WorldMap> WorldMap::Create() {
  auto map = std::make_shared<WorldMap>();
  map->Init(0, 0, 0, -1, -1, 0, 0, 1, 1, 0, "worldMap.png", "levelSquares.png", 9, "", 0, 0);
  map->drawnLength = map->TargetLength();
  for (int i = 0; i < PieceCount; ++i) {
    const int* p = Pieces[i];
    map->path[i] = SplineType::Create(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
  }
  map->Setup();
  return map;
}

void WorldMap::Setup() {
  state = Hidden;
  fade = 0;
  playOpenSound = 0;
}

void WorldMap::Show() {
  MenuScreen::Show();
  particles = std::make_shared<particleNodeType>();
}

void WorldMap::Close() {
  fade = static_cast<int>(fade * 1.5);
  MenuScreen::Close();
  if (LevelStart) LevelStart->ResumeAfterMap();
}

void WorldMap::Update(bool inputSuppressed) {
  MenuScreen::Update(inputSuppressed);
  if (particles) {
    AdvancePath();
    particles->Update();
  }
}

void WorldMap::Activate(bool) { Close(); }

double WorldMap::TargetLength() const {
  if (!progress) return 0;
  int completed = 0;
  for (int group = 1; group < Progress::GroupCount; ++group) {
    const int s = progress->groupStates[group];
    if (s == Progress::GroupSolved || s == Progress::GroupPassed) completed += 1;
  }
  return static_cast<double>(segmentLength) * completed;
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
    Emit(DotParticle, static_cast<float>(p.x), static_cast<float>(p.y), 1.0f, -1, -1, particles);
  }
  if (drawnLength > 0) {
    reach(drawnLength);
    const double u = std::min((drawnLength - before) / path[k].length, 1.0);
    const SplinePoint p = PointAt(u, path[k]);
    Emit(HeadParticle, static_cast<float>(p.x), static_cast<float>(p.y), 1.0f, -1, -1, particles);
    headX = p.x;
    headY = p.y;
  }
}

void WorldMap::Draw(bool overlay) {
  PopupScreen::Draw(overlay);
  if (fade <= 0 || !particles) return;
  particles->Draw(0, 0, 0, Alpha());
  SetColor(255, 255, 255);
  if (headX > 0 && headY > 0 && Alpha() > 0.5f) {
    SetBlend(LightBlend);
    SetAlpha(Alpha());
    SetScale(BallScale, BallScale);
    DrawImage(ballImage, static_cast<float>(headX), static_cast<float>(headY), 0);
  }
  SetScale(1, 1);
}
