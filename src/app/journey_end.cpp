#include "app/journey_end.h"

#include "app/game_controller.h"
#include "menus/closing_page.h"
#include "menus/world_map.h"
#include "puzzle/board.h"
#include "services/progress.h"
#include "services/sound_manager.h"

namespace {

enum class Stage { None, Map, Page };
Stage stage = Stage::None;

}  // namespace

void JourneyEnd::Begin() {
  stage = Stage::Map;
  worldMap->ShowWholeRoad();
  soundManager->PlayOohOoh();
}

void JourneyEnd::Update() {
  if (stage == Stage::Map && worldMap->state == MenuScreen::Hidden) {
    stage = Stage::Page;
    gameController->popup = ClosingPage::Create(progress->CountLevels(Progress::Solved, levels::Last),
                                                progress->CountLevels(Progress::Skipped, levels::Last));
    gameController->popup->Show();
  } else if (stage == Stage::Page && (!gameController->popup || gameController->popup->state == MenuScreen::Hidden)) {
    stage = Stage::None;
    gameController->StartLevel(progress->FirstUnsolvedLevel(levels::Last));
    gameController->runMode = 1;
  }
}

void JourneyEnd::Abandon() { stage = Stage::None; }
