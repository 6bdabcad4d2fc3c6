#pragma once
// The running game: the level loop of run mode 0 and the menu loop of run mode 1,
// level starting, and the few pieces of state the screens and the level share.

#include <memory>
#include <vector>

class MenuScreen;
struct flashType;

class GameController {
 public:
  int runMode = 1;  // 0 play, 1 menus, 2 quit
  int activeScreen = 0;
  std::shared_ptr<MenuScreen> popup;
  std::shared_ptr<flashType> flash;

  static std::shared_ptr<GameController> Create();
  void SetActiveScreen(int id);
  int GetActiveScreen() const;
  void Run();
  static std::vector<MenuScreen*> Menus();
  void Shutdown();
  void Start();
  static void CreateScreens();
  static void StartLevel(int n);
  void PlayLoop();
  static void DrawBackground();
  void MenuLoop();
  static void ResetDrawState();

  // One 1/60 s step and one frame of each loop, in their fixed orders.
  void PlayStep();
  void DrawPlayFrame();
  void MenuStep();
  void DrawMenuFrame();
  // After each flip of either loop: a close request quits; Alt+Enter or F11
  // switches between window and full screen, as the options' box does.
  void HandleWindowRequests();

 private:
  int screenshotNumber_ = 100;
};

extern std::shared_ptr<GameController> gameController;
