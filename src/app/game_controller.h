#pragma once
// The running game: the level loop of run mode 0 and the menu loop of run mode 1,
// level starting, and everything the screens and the level share: the
// player's progress, the sounds, the session log, the screens, the in-game
// buttons, the input and the level itself.

#include <memory>
#include <vector>

#include "app/in_game_input.h"
#include "app/journey_end.h"
#include "app/level_replay.h"
#include "app/play_aids.h"
#include "app/play_events.h"
#include "app/save_notice.h"
#include "menus/menu_host.h"
#include "menus/screens.h"
#include "puzzle/level_state.h"
#include "puzzle/map_solver.h"
#include "services/settings_file.h"

class InGameButtons;
class MenuScreen;
struct flashType;

class GameController : public MenuHost {
 public:
  GameController();
  ~GameController() override;
  GameController(const GameController&) = delete;
  GameController& operator=(const GameController&) = delete;

  int runMode = 1;  // 0 play, 1 menus, 2 quit
  int activeScreen = 0;
  std::shared_ptr<MenuScreen> popup;
  std::shared_ptr<flashType> flash;
  // Over both loops: a save that did not reach the disk.
  SaveNotice saveNotice;
  // Made by the program before Start (the sounds, the log) and by Start (the
  // progress, the screens, the buttons); a test makes those it needs.
  std::shared_ptr<Progress> progress;
  std::shared_ptr<SoundManager> soundManager;
  std::shared_ptr<GameLog> gameLog;
  // Read by the program before the window opens; saved with the options.
  PlayerSettings settings;
  MenuScreens screens;
  std::shared_ptr<InGameButtons> inGameButtons;
  InputState input;
  // The level being played; its events come to `events`.
  LevelState level;
  PlayEvents events{*this};
  JourneyEnd journeyEnd{*this};
  // Undo, the move counter, the hint and the best records.
  PlayAids aids;
  // An earlier level played again from the level select.
  LevelReplay replay;
  // The editor's distances, drawn over the level while the editor is on.
  mapSolverType mapSolver;

  static std::shared_ptr<GameController> Create();
  void SetActiveScreen(int id) override;
  int GetActiveScreen() const override;
  void Play() override;
  void Quit() override;
  Progress& PlayerProgress() override { return *progress; }
  const LevelRecords& Records() override { return aids.records; }
  void ForgetRecords() override { aids.records.Forget(); }
  SoundManager& Sounds() override { return *soundManager; }
  GameLog& Log() override { return *gameLog; }
  PlayerSettings& Settings() override { return settings; }
  MenuScreens& Screens() override { return screens; }
  void Run();
  // The normal end: the session log closed, progress whose last save failed
  // tried once more, the options and settings saved (with the window's size). A save that fails here is shown over
  // the last picture of the loop left (0 play, 1 menus) before the game ends.
  void Shutdown(int lastLoop);
  void Start();
  void CreateScreens();
  void StartLevel(int n) override;
  void ReplayLevel(int number) override;
  void OpenLevelSelect() override;
  // As the menus open: a replay solved or left, or L on the world map, brings
  // the level select up, a replay's journey level back in its place.
  void OpenWaitingLevelSelect();
  void PlayLoop();
  void DrawBackground() const;
  void MenuLoop();
  static void ResetDrawState();

  // One 1/60 s step and one frame of each loop, in their fixed orders.
  void PlayStep();
  void DrawPlayFrame();
  void MenuStep();
  void DrawMenuFrame();
  // After each flip of either loop: a close request quits; Alt+Enter or the full-screen key
  // switches between window and full screen, as the options' box does.
  void HandleWindowRequests();
  // The world map, closing over a level, hands back the art style it kept
  // waiting and the tokens; made with the screens.
  void ListenToWorldMap();

 private:
  // Until the notice has faded, or a key, a click or a second close request.
  void HoldSaveNotice(int lastLoop);
  bool levelSelectWaiting_ = false;

  int screenshotNumber_ = 100;
};
