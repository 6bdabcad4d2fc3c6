#include "app/game_controller.h"

#include "app/frame_accumulator.h"
#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "app/editor_keys.h"
#include "app/journey_end.h"
#include "app/level_finish.h"
#include "app/token_column.h"
#include "menus/instructions_menu.h"
#include "menus/level_select.h"
#include "menus/main_menu.h"
#include "menus/menu_screen.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/screens.h"
#include "menus/world_map.h"
#include "platform/host/clock.h"
#include "platform/host/diagnostics.h"
#include "platform/render/graphics.h"
#include "platform/host/input.h"
#include "puzzle/editor_mode.h"
#include "puzzle/flash.h"
#include "puzzle/map_solver.h"
#include "services/game_log.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/resources.h"
#include "services/sound_manager.h"

using namespace platform;

namespace {

// The editor's keys, under the bottom bar.
void DrawEditorHelp(const mapType& map) {
  DrawText("(O)(U)Key (I)(Y)lock| (A)rt Style|Mouse: add\\remove walls| Plus\\Minus: End\\Start points", 0, 556);
  DrawText("LVL " + std::to_string(map.number) +
               ": (L)oad|(Enter)Save|randomi(Z)e|create (N)extmap|(1-9)Levelskip|(Square brackets)Move level",
           0, 570);
  DrawText("(Q) cycle key display mode", 0, 584);
}

}  // namespace

GameController::GameController() {
  level.listener = &events;
  input.controls = &settings.controls;
}

GameController::~GameController() = default;

std::shared_ptr<GameController> GameController::Create() { return std::make_shared<GameController>(); }

void GameController::SetActiveScreen(int id) { activeScreen = id; }

int GameController::GetActiveScreen() const { return activeScreen; }

void GameController::Play() { runMode = 0; }

void GameController::Quit() { runMode = 2; }

void GameController::ReplayLevel(int number) {
  replay.Begin(*this, number);
  runMode = 0;
}

void GameController::OpenLevelSelect() {
  levelSelectWaiting_ = true;
  runMode = 1;
}

void GameController::OpenWaitingLevelSelect() {
  int chosen = progress->currentLevel;
  if (replay.Active()) {
    chosen = replay.End(*this);
    levelSelectWaiting_ = true;
  }
  if (!levelSelectWaiting_) return;
  levelSelectWaiting_ = false;
  screens.levelSelect->ShowAt(chosen);
}

void GameController::Start() {
  progress = Progress::Create(0);
  level.progress = progress.get();
  aids.records.Load();
  gameLog->SessionStart(progress->currentLevel);
  progress->SaveProgress();
  CreateScreens();
  inGameButtons = InGameButtons::Create(*progress);
  FillParticleTables();
  StartLevel(progress->currentLevel);
  Run();
}

void GameController::Run() {
  int lastLoop = 1;
  for (;;) {
    if (runMode != 2) lastLoop = runMode;
    if (runMode == 0) {
      // The menus' pictures (the main menu's 800 x 600 postcard, the
      // submenus' pages, and their textures) are not seen in play.
      for (MenuScreen* menu : screens.Menus()) menu->ReleasePictures();
      if (popup) popup->RestorePictures();
      PlayLoop();
    } else if (runMode == 1) {
      // Those of the panels left open; a closed one reads them when it opens.
      // A page waiting over the level is not seen from the menus.
      for (MenuScreen* menu : screens.Menus()) {
        if (menu->state != MenuScreen::Hidden) menu->RestorePictures();
      }
      if (popup) popup->ReleasePictures();
      input.ResetInput();
      lastActivationTime = static_cast<int64_t>(Millisecs());
      activeScreen = 0;
      OpenWaitingLevelSelect();
      MenuLoop();
    } else {
      gameLog->LevelEnd(0);
      break;
    }
  }
  Shutdown(lastLoop);
}

void GameController::Shutdown(int lastLoop) {
  gameLog->SessionFinish(progress ? progress->currentLevel : 0);
  if (progress) progress->SaveIfUnsaved();
  DebugLog("normal: Saving options");
  OptionsFile::SaveOptions(soundManager->effectsVolume, soundManager->musicVolume, fullscreen);
  const WindowSize window = PlayersWindowSize();
  settings.windowWidth = window.width;
  settings.windowHeight = window.height;
  SettingsFile::Save(settings);
  HoldSaveNotice(lastLoop);
}

void GameController::HoldSaveNotice(int lastLoop) {
  if (!saveNotice.Update()) return;
  FlushKeys();
  FlushMouse();
  FrameAccumulator clock;
  clock.Start();
  while (saveNotice.Visible()) {
    clock.Tick();
    while (clock.TakeStep()) saveNotice.Update();
    lastLoop == 0 ? DrawPlayFrame() : DrawMenuFrame();
    Flip(1);
    if (AppTerminate() || GetChar() != 0 || MouseHit(1) || KeyHit(27) || KeyHit(13)) break;
  }
}

void GameController::CreateScreens() {
  screens.Create(*this);
  ListenToWorldMap();
}

void GameController::ListenToWorldMap() {
  screens.worldMap->onClose = [this] {
    if (!level.LevelStart) return;
    Resources::SelectBackground(level.CurrentMap->artStyle);
    inGameButtons->tokenColumn->Refresh();
  };
}

void GameController::StartLevel(int n) {
  DebugLog("start at level " + std::to_string(n));
  level.CurrentMap = mapType::Create(n);
  OpenHintPage(*this, n);
  events.LevelBegun(n);
  level.NextMap = nullptr;
  level.ClearParticles();
  StartHandOverAtRest(*this);
  progress->SelectLevel(n);
  Resources::SelectBackground(level.CurrentMap->artStyle);
  SolveArrivedLevel(*this);
  level.LevelStart->Start(level);
  inGameButtons->tokenColumn->Refresh();
  screens.worldMap->Hide();
  journeyEnd.Abandon();
}

void GameController::PlayLoop() {
  screenshotNumber_ = 100;
  FrameAccumulator clock;
  clock.Start();
  soundManager->StartBallSound();
  // The click or key that left the menus moves nothing on the board.
  FlushKeys();
  FlushMouse();
  while (runMode == 0 && input.requestMenu == 0) {
    clock.Tick();
    // Input is read only in a pass that takes a step. An unchanged frame is
    // not drawn, so passes can come every millisecond, and a pass without a
    // step would read a press of R or a click and drop it before any step
    // could act on it.
    bool polled = false;
    while (clock.TakeStep()) {
      if (!polled) input.Poll(*inGameButtons, level);
      polled = true;
      PlayStep();
    }
    DrawPlayFrame();
    Flip(1);
    HandleWindowRequests();
    if (settings.controls.Hit(Action::Screenshot)) {
      Resources::SaveScreenshot(CurrentDate() + " screen" + std::to_string(screenshotNumber_) + ".png");
      screenshotNumber_ += 1;
    }
  }
  soundManager->StopBallSound();
  if (runMode == 0) runMode = 1;
}

void GameController::PlayStep() {
  Resources::WaitWhileInBackground(1, soundManager.get());
  level.StepHandOver();
  inGameButtons->tokenColumn->Update();
  inGameButtons->Update(level, input);
  if (flash) flash->Update();
  if (popup) popup->Update(false);
  journeyEnd.Update();
  // A page that has faded out does not come back: its pictures (two of
  // 640 x 448 for a hint) are let go rather than kept for the rest of the level.
  if (popup && popup->state == MenuScreen::Hidden) popup = nullptr;
  const bool popupVisible = popup && popup->state != 0;
  // The world map takes no input while a hint page covers it.
  WorldMap& worldMap = *screens.worldMap;
  worldMap.Update(popupVisible);
  const int playerControl = !popupVisible && worldMap.state == 0 ? 1 : 0;
  aids.TakeRequests(level, input.Requests(), playerControl, *soundManager);
  level.StepMap(input.Requests(), playerControl);
  // Last: an editor key may start another level and replace this map.
  UpdateEditorKeys(*this, playerControl);
  level.UpdateParticles();
  saveNotice.Update();
  EndInputStep();
}

void GameController::DrawPlayFrame() {
  SetOrigin(32, 30);
  ResetDrawState();
  DrawBackground();
  DrawParticlesBehind(*level.ParticleChain, 47, 47);
  ResetDrawState();
  if (level.NextMap) level.NextMap->Draw(47, 47, 0);
  level.CurrentMap->Draw(47, 47, 1);
  const bool editing = EditorMode == 1;
  if (editing) mapSolver.DrawOverlay(*level.CurrentMap, 47, 47);
  SetOrigin(0, 0);
  ResetDrawState();
  inGameButtons->Draw();
  if (editing) {
    DrawEditorHelp(*level.CurrentMap);
  } else {
    aids.Draw(level);
  }
  SetOrigin(32, 30);
  DrawParticlesInFront(*level.ParticleChain, 47, 47);
  SetOrigin(0, 0);
  ResetDrawState();
  if (flash) flash->Draw();
  screens.worldMap->Draw(false);
  if (popup) popup->Draw(false);
  saveNotice.Draw();
}

void GameController::DrawBackground() const {
  if (!currentBackground) return;
  if (backgroundScrolls == 1) {
    TileImage(currentBackground, static_cast<float>(level.ScrollTotalX), static_cast<float>(level.ScrollTotalY), 0);
  } else {
    TileImage(currentBackground, 31, 0, 0);
  }
}

void GameController::MenuLoop() {
  FrameAccumulator clock;
  clock.Start();
  while (runMode == 1) {
    clock.Tick();
    while (clock.TakeStep()) MenuStep();
    DrawMenuFrame();
    Flip(1);
    HandleWindowRequests();
  }
}

void GameController::HandleWindowRequests() {
  if (AppTerminate()) runMode = 2;
  if (FullscreenToggleRequested() || settings.controls.Hit(Action::FullScreen)) screens.optionsMenu->ToggleFullScreen();
}

void GameController::MenuStep() {
  Resources::WaitWhileInBackground(0, soundManager.get());
  for (MenuScreen* menu : screens.Menus()) menu->Update(false);
  saveNotice.Update();
  EndInputStep();
}

// Later screens draw over earlier ones.
void GameController::DrawMenuFrame() {
  SetOrigin(0, 0);
  ResetDrawState();
  for (MenuScreen* menu : screens.Menus()) menu->Draw(false);
  saveNotice.Draw();
}

void GameController::ResetDrawState() {
  SetScale(1, 1);
  SetBlend(AlphaBlend);
  SetAlpha(1.0f);
}
