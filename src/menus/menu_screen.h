#pragma once
// A panel over the screen: a background, an optional fore picture and a column
// of image buttons from one strip (normal and highlighted cell per button). It
// fades in and out over 40 steps; while it owns the keyboard (the controller's
// activeScreen) Up/Down move the selection with key repeat, Left/Right jump to
// fixed buttons, and Enter, Space or a click activate the selection, at most
// once every 600 ms. The mouse selects the button under it only when it moves;
// with nothing highlighted the first key only highlights the first button.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "menus/menu_button.h"
#include "menus/menu_host.h"
#include "platform/render/graphics.h"

// Millisecs() when a screen was last shown or a button last activated; activation
// waits more than 600 ms after it, so the click that opens a screen never
// activates one of its buttons.
extern int64_t lastActivationTime;

class MenuScreen {
 public:
  static constexpr int Hidden = 0;
  static constexpr int Shown = 1;
  static constexpr int FadingIn = 2;
  static constexpr int FadingOut = 3;
  static constexpr int FullFade = 40;
  static constexpr int NoButton = -2;  // ButtonAt's answer, and Select's "nothing selected"

  explicit MenuScreen(MenuHost& host) : host(host) {}
  virtual ~MenuScreen() = default;
  MenuScreen(const MenuScreen&) = delete;
  MenuScreen& operator=(const MenuScreen&) = delete;

  // The game the screen is part of.
  MenuHost& host;

  int buttonCount = 0;
  int selected = 0;
  int64_t lastNavTime = 0;  // Millisecs() of the last Up/Down move, the key-repeat clock
  int playOpenSound = 1;    // 0: Show opens the screen without the page-turn sound
  int buttonX = 0;          // centre of every button, relative to x
  int firstButtonY = 0;     // centre of button 0, relative to y
  int buttonWidth = 0;      // also the strip's cell size
  int buttonHeight = 0;
  int buttonGap = 0;
  // Index order is strip order and navigation order; a widget may replace an entry.
  std::vector<std::shared_ptr<menuButtonType>> buttons;
  int lastMouseX = 0, lastMouseY = 0;  // where the mouse last changed the selection
  int x = 0, y = 0;                    // top-left of the background
  int foreX = 0, foreY = 0;            // fore picture's offset from (x, y)
  platform::TImage background;
  platform::TImage foreImage;
  platform::TImage buttonStrip;
  int noSelection = 0;  // 1: nothing highlighted, nothing to activate
  int leftTarget = -1, rightTarget = -1;  // buttons the Left / Right keys select; -1 none
  int fade = 0;                           // drawing alpha is fade / 40
  int state = Hidden;
  int screenId = 0;      // keyboard owner id
  int inputBlocked = 0;  // 1: drawn and fading, but deaf to keys and mouse

  virtual void Setup();
  // File names are under "media\"; an empty fore name means no fore picture.
  virtual void Init(int x, int y, int buttonCount, int leftTarget, int rightTarget, int buttonX, int firstButtonY,
                    int buttonWidth, int buttonHeight, int buttonGap, const std::string& backgroundName,
                    const std::string& stripName, int screenId, const std::string& foreName, int foreX, int foreY);
  // Starts the fade-in (with the page-turn sound) unless shown already; always
  // takes the keyboard and unblocks the screen.
  virtual void Show();
  virtual void Close();
  virtual void Hide();
  // One step: the fade, then input unless the caller suppresses it.
  virtual void Update(bool inputSuppressed);
  virtual void HandleInput();
  virtual bool InterceptInput();
  virtual void Activate(bool byMouse);
  // Escape while the screen owns the keyboard; does nothing unless a screen
  // has a way back.
  virtual void Cancel();
  virtual void TrackMouse();
  // NoButton clears the highlight; -1 and buttonCount wrap round.
  virtual void Select(int index);
  virtual int ButtonAt(int mouseX, int mouseY);
  // The loops pass false; no screen draws differently for it.
  virtual void Draw(bool overlay = false);
  virtual void DrawExtra();
  // The pictures Init read, let go while the screen cannot be seen (a menu
  // under a level, the world map between its showings) and read again
  // before it can: only what was let go is read again.
  void ReleasePictures();
  void RestorePictures();

 protected:
  float Alpha() const { return static_cast<float>(fade) / FullFade; }
  // A press moves at once; a key held down moves again each time the repeat
  // clock, restarted by every move, has passed its time.
  void NoteMove();
  bool RepeatDue() const;
  virtual void DrawButton(int index, int cell);
  // The background, strip and fore picture named to Init; a screen with a
  // picture of its own reads that too.
  virtual void LoadPictures();

 private:
  std::string backgroundName_, stripName_, foreName_;
  bool picturesReleased_ = false;
};
