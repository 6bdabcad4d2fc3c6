// The host window: SDL2 with an OpenGL context, events turned into the game's
// input state, and presentation with vertical sync or software pacing.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/audio/audio.h"
#include "platform/host/clock.h"
#include "platform/render/draw_state.h"
#include "platform/render/frame_pacer.h"
#include "platform/files/game_folders.h"
#include "platform/render/graphics.h"
#include "platform/host/host_dialogs.h"
#include "platform/files/host_file.h"
#include "platform/codecs/image_codec.h"
#include "platform/host/input.h"
#include "platform/host/input_state.h"
#include "platform/host/memory.h"
#include "platform/host/platform.h"
#include "platform/render/render_backend.h"
#include "platform/render/sdl/gl_renderer.h"
#include "platform/render/window_size.h"
#include "platform/host/sdl/key_map.h"
#include "platform/host/sdl/sdl_gamepad.h"
#include "platform/host/touch_gestures.h"
#ifdef __EMSCRIPTEN__
#include "platform/host/web/animation_frame.h"
#include "platform/host/web/lost_context.h"
#endif

namespace platform {
namespace {

struct Display {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  int width = 0, height = 0, hz = 60;
  bool fullscreen = false;
  bool vsync = false;
  bool swapWaits = false;
  // Vertical sync that the driver accepts but does not honour (virtual displays)
  // is found by timing the first flips.
  int flipsTimed = 0, fastFlips = 0;
  int32_t lastFlip = 0;
  FramePacer pacer;
};

Display display;
std::string title = "Marrowick";
std::string lastError;
// Kept across reopening the display (window to full screen and back): the
// icon the game gave the window, where the player left the window and the
// size they gave it (none while they have not resized it).
std::string iconPath;
bool displayOpenedBefore = false;
bool glLibraryLoaded = false;
bool windowPlaced = false;
int savedWindowX = 0, savedWindowY = 0;
WindowSize playersWindowSize;
WindowSize openedWindowSize;
constexpr int kFlipsToTime = 30;
TouchGestures touches;

Letterbox WindowLetterbox() {
  int w = 0, h = 0;
  SDL_GetWindowSize(display.window, &w, &h);
  return FitLetterbox(display.width, display.height, w, h);
}

void LogicalMouse(int windowX, int windowY, int& x, int& y) {
  const Letterbox box = WindowLetterbox();
  if (box.width <= 0 || box.height <= 0) {
    x = windowX;
    y = windowY;
    return;
  }
  x = (windowX - box.x) * display.width / box.width;
  y = (windowY - box.y) * display.height / box.height;
}

// SDL gives a finger's place as a share of the window.
void LogicalTouch(float shareX, float shareY, int& x, int& y) {
  int w = 0, h = 0;
  SDL_GetWindowSize(display.window, &w, &h);
  LogicalMouse(static_cast<int>(shareX * w), static_cast<int>(shareY * h), x, y);
}

void HandleTouch(const SDL_TouchFingerEvent& finger, Uint32 type) {
  if (!display.window) return;
  int x = 0, y = 0;
  LogicalTouch(finger.x, finger.y, x, y);
  if (type != SDL_FINGERUP) {
    const bool followed = type == SDL_FINGERDOWN ? touches.FingerDown(finger.fingerId, x, y)
                                                 : touches.FingerMoved(finger.fingerId, x, y);
    if (followed) InputMouseMoved(x, y);
    return;
  }
  const TouchGesture gesture = touches.FingerUp(finger.fingerId, x, y);
  // Pressed and let go at once: the step that follows still sees the press.
  if (gesture.kind == TouchGesture::Kind::Tap) {
    InputMouseMoved(gesture.x, gesture.y);
    InputMouseButton(1, true);
    InputMouseButton(1, false);
  } else if (gesture.kind == TouchGesture::Kind::Swipe) {
    const int key = SwipeKey(static_cast<int>(gesture.direction));
    InputKeyDown(key);
    InputKeyUp(key);
  }
}

void TypedUtf8(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    int code = *p;
    int extra = 0;
    if (code >= 0xF0) { code &= 0x07; extra = 3; }
    else if (code >= 0xE0) { code &= 0x0F; extra = 2; }
    else if (code >= 0xC0) { code &= 0x1F; extra = 1; }
    ++p;
    for (; extra > 0 && (*p & 0xC0) == 0x80; --extra, ++p) code = code << 6 | (*p & 0x3F);
    // The game's text is 8-bit: characters beyond Latin-1 cannot reach it.
    if (code < 256) InputTypedChar(code);
  }
}

void HandleEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      InputTerminateRequested();
      break;
    case SDL_KEYDOWN: {
      const SDL_Keycode sym = e.key.keysym.sym;
      if (sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT) != 0) {
        if (!e.key.repeat) InputFullscreenToggleRequested();
        break;
      }
      const int key = VirtualKeyFromSdl(sym);
      if (key == 44) InputAsyncKey(44, true);
      // Auto-repeat never makes a key down again: a key flushed while held (a
      // screen appeared) stays up until it is pressed anew.
      if (key && !e.key.repeat) InputKeyDown(key);
      // Keys that type control characters, as the host's character messages do.
      if (key == 8 || key == 9 || key == 13 || key == 27) InputTypedChar(key);
      break;
    }
    case SDL_KEYUP: {
      const int key = VirtualKeyFromSdl(e.key.keysym.sym);
      if (key == 44) InputAsyncKey(44, false);
      if (key) InputKeyUp(key);
      break;
    }
    case SDL_TEXTINPUT:
      TypedUtf8(e.text.text);
      break;
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
      HandleTouch(e.tfinger, e.type);
      break;
    case SDL_MOUSEMOTION: {
      // Fingers are read as fingers (above), never also as a mouse.
      if (e.motion.which == SDL_TOUCH_MOUSEID) break;
      int x, y;
      LogicalMouse(e.motion.x, e.motion.y, x, y);
      InputMouseMoved(x, y);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (e.button.which == SDL_TOUCH_MOUSEID) break;
      int x, y;
      LogicalMouse(e.button.x, e.button.y, x, y);
      InputMouseMoved(x, y);
      const int button = e.button.button == SDL_BUTTON_LEFT    ? 1
                         : e.button.button == SDL_BUTTON_RIGHT ? 2
                         : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                                : 0;
      InputMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    case SDL_MOUSEWHEEL:
      InputWheel(e.wheel.y);
      break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      HandleGamepadEvent(e);
      break;
    case SDL_WINDOWEVENT:
      // A window closed a moment ago (on a full-screen switch, or at the end of
      // a screen) still reports losing the focus: that must not put the game on
      // hold with no window left to bring it back.
      if (!display.window || e.window.windowID != SDL_GetWindowID(display.window)) break;
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
        InputSuspended(true);
      } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.window.event == SDL_WINDOWEVENT_RESTORED) {
        InputSuspended(false);
      }
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED) RendererWindowExposed();
      break;
    default:
      break;
  }
}

void PresentTwice() {
  for (int i = 0; i < 2; ++i) {
    BackendClear(0, 0, 0);
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(display.window, &dw, &dh);
    RendererPresent(FitLetterbox(display.width, display.height, dw, dh), dw, dh);
    SDL_GL_SwapWindow(display.window);
  }
}

void ApplyWindowIcon() {
  auto picture = DecodeIcoFirstIcon(HostPath(iconPath));
  if (!picture) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(picture->pixels.data(), picture->width,
                                                            picture->height, 32, picture->width * 4,
                                                            SDL_PIXELFORMAT_ABGR8888);
  if (!surface) return;
  SDL_SetWindowIcon(display.window, surface);
  SDL_FreeSurface(surface);
}

// A window manager places a new window's frame where the window was asked
// for, which puts the window itself a title bar lower each time the game comes
// back from full screen. Once the frame is known the window is moved so that
// its own corner is back where the player left it.
#ifndef __EMSCRIPTEN__
// The usable area (the desktop less its task bars) of the display the window
// was last on; 0 x 0 when the driver cannot tell.
WindowSize UsableDesktop() {
  int index = 0;
  if (windowPlaced) {
    const SDL_Point corner{savedWindowX, savedWindowY};
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
      SDL_Rect bounds;
      if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&corner, &bounds)) index = i;
    }
  }
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(index, &usable) != 0) return {};
  return {usable.w, usable.h};
}
#endif

// A web page sizes the canvas itself; its drawing buffer stays the picture's.
WindowSize OpeningWindowSize(WindowSize picture) {
#ifdef __EMSCRIPTEN__
  return picture;
#else
  return ChooseWindowSize(picture, UsableDesktop(), playersWindowSize);
#endif
}

// A window of normal size (not full screen, minimised or maximised) tells
// what the player made of it.
bool WindowAtItsOwnSize() {
  return display.window && !display.fullscreen &&
         (SDL_GetWindowFlags(display.window) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_MAXIMIZED)) == 0;
}

// A size other than the one the window opened at is one the player chose.
void NotePlayersWindowSize() {
  WindowSize now;
  SDL_GetWindowSize(display.window, &now.width, &now.height);
  if (now.Known() && !(now == openedWindowSize)) playersWindowSize = now;
}

void ReturnToPlace() {
  const Uint32 waitUntil = SDL_GetTicks() + 250;
  int top = 0, left = 0, bottom = 0, right = 0;
  // A driver that knows no frames (or a window manager that draws none) leaves them at 0.
  while (SDL_GetWindowBordersSize(display.window, &top, &left, &bottom, &right) == 0 && top + left == 0) {
    if (SDL_TICKS_PASSED(SDL_GetTicks(), waitUntil)) break;
    SDL_PumpEvents();
    SDL_Delay(5);
  }
  SDL_SetWindowPosition(display.window, savedWindowX, savedWindowY);
}

// The off-screen and dummy drivers open "displays" nobody sees: they are used
// only when asked for by name, so a machine with no display says so instead of
// running invisibly.
bool InitVideo() {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  std::string candidates;
  if (!asked || !*asked) {
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
      const std::string name = SDL_GetVideoDriver(i);
      if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
      // Without a session's runtime folder no compositor can be reached, and
      // the attempt would only print the library's own complaint.
      if (name == "wayland" && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("XDG_RUNTIME_DIR")) continue;
      candidates += (candidates.empty() ? "" : ",") + name;
    }
    if (candidates.empty()) {
      lastError = "no display";
      return false;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, candidates.c_str());
  }
  const bool opened = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (!opened) lastError = asked && *asked ? std::string("no display: ") + SDL_GetError() : "no display";
  if (!candidates.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, "");
  return opened;
}

}  // namespace

bool InitPlatform(const char* argv0) {
  ReturnLargeBlocksWhenFreed();
  // A touch is made a click or a swipe here (HandleTouch), not a mouse by SDL.
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
  if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    lastError = SDL_GetError();
    return false;
  }
  // Without controller support the keyboard and mouse still play the game.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  // Tests and tools that pass no program path keep their working folder for everything.
  if (!argv0) return true;
  std::string programFolder;
  if (char* base = SDL_GetBasePath()) {
    programFolder = base;
    SDL_free(base);
  }
  GameFolders folders = ChooseGameFolders(programFolder, [] {
    std::string own;
    if (char* pref = SDL_GetPrefPath("", "marrowick")) {
      own = pref;
      SDL_free(pref);
    }
    return own;
  });
  // The player's files are found relative to the working folder.
  const std::string& working = folders.player.empty() ? programFolder : folders.player;
  if (!working.empty()) {
    std::error_code error;
    std::filesystem::current_path(PathFromUtf8(working), error);
  }
  UseGameFolders(std::move(folders));
  return true;
}

// SDL and the OpenGL driver stay loaded until the process ends: unloading them
// at exit gains nothing, and a driver unloaded early leaves its own allocations
// unattributable for leak checkers.
void ShutdownPlatform() {
  CloseGamepads();
  CloseAudio();
  CloseGraphics();
  // A platform started again opens its first display afresh.
  displayOpenedBefore = false;
  windowPlaced = false;
  playersWindowSize = {};
  iconPath.clear();
}

void SelectGraphicsDriver(int, int) {}

bool StartDisplayDriver() { return SDL_WasInit(SDL_INIT_VIDEO) != 0 || InitVideo(); }

bool OpenGraphics(int width, int height, int depth, int hz, int) {
  CloseGraphics();
  if (!glLibraryLoaded) {
    if (!StartDisplayDriver()) return false;
    // Held for the whole run, so reopening the display does not reload the driver.
    if (SDL_GL_LoadLibrary(nullptr) != 0) {
      lastError = std::string("no OpenGL driver: ") + SDL_GetError();
      return false;
    }
    glLibraryLoaded = true;
  }
#ifdef __EMSCRIPTEN__
  // WebGL 1, which is all a browser's EGL offers: OpenGL ES 2.0.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
#else
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
#endif
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  const bool fullscreen = depth != 0;
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  // Full screen comes up on the monitor the window was on; the window comes
  // back where it was.
  const int x = windowPlaced ? savedWindowX : SDL_WINDOWPOS_CENTERED;
  const int y = windowPlaced ? savedWindowY : SDL_WINDOWPOS_CENTERED;
  const WindowSize picture{width, height};
  openedWindowSize = OpeningWindowSize(picture);
  display.window = SDL_CreateWindow(title.c_str(), x, y, openedWindowSize.width, openedWindowSize.height, flags);
  if (!display.window) {
    lastError = std::string("the game window could not be opened: ") + SDL_GetError();
    return false;
  }
  const WindowSize least = MinimumWindowSize(picture);
  SDL_SetWindowMinimumSize(display.window, least.width, least.height);
  display.context = SDL_GL_CreateContext(display.window);
  if (!display.context) {
    lastError = std::string("no OpenGL context: ") + SDL_GetError();
    CloseGraphics();
    return false;
  }
  SDL_GL_MakeCurrent(display.window, display.context);
  display.width = width;
  display.height = height;
  display.hz = hz > 0 ? hz : 60;
  display.fullscreen = fullscreen;
  display.vsync = SDL_GL_SetSwapInterval(1) == 0;
  display.swapWaits = display.vsync;
  display.flipsTimed = display.fastFlips = 0;
  display.lastFlip = Millisecs();
  display.pacer.Reset(display.hz);

  ResetDrawState(width, height);
  if (!RendererOpen(width, height)) {
    lastError = "the OpenGL driver lacks off-screen frame buffers";
    CloseGraphics();
    return false;
  }
#ifdef __EMSCRIPTEN__
  WatchForLostContext();
#endif
  if (!iconPath.empty()) ApplyWindowIcon();
  PresentTwice();
  if (!fullscreen && windowPlaced) ReturnToPlace();
  ResetInputState();
  if (displayOpenedBefore) InputDisplayReopened();
  displayOpenedBefore = true;
  if (fullscreen) {
    const Letterbox box = WindowLetterbox();
    SDL_WarpMouseInWindow(display.window, box.x + box.width / 2, box.y + box.height / 2);
    InputMouseMoved(width / 2, height / 2);
  }
  return true;
}

void CloseGraphics() {
  if (WindowAtItsOwnSize()) {
    SDL_GetWindowPosition(display.window, &savedWindowX, &savedWindowY);
    windowPlaced = true;
    NotePlayersWindowSize();
  }
  if (display.context) {
    RendererClose();
    SDL_GL_DeleteContext(display.context);
  }
  if (display.window) SDL_DestroyWindow(display.window);
  const bool wasOpen = display.window != nullptr;
  display = Display{};
  touches.Forget();
  if (wasOpen) {
    FlushKeys();
    FlushMouse();
  }
}

void SetPlayersWindowSize(WindowSize size) { playersWindowSize = size.Known() ? size : WindowSize{}; }

WindowSize PlayersWindowSize() {
  if (WindowAtItsOwnSize()) NotePlayersWindowSize();
  return playersWindowSize;
}

int GraphicsWidth() { return display.window ? display.width : 0; }
int GraphicsHeight() { return display.window ? display.height : 0; }

bool FlipUsesSoftwarePacing() { return !display.vsync; }

void Flip(int sync) {
  if (!display.window) return;
#ifdef __EMSCRIPTEN__
  // The context came back empty: the renderer is built again, and this frame,
  // recorded with textures that are gone, gives way to the next, drawn whole.
  if (TakeRestoredContext()) {
    RendererClose();
    if (!RendererOpen(display.width, display.height)) std::puts("The restored WebGL context cannot draw the game");
    return;
  }
#endif
  int dw = 0, dh = 0;
  SDL_GL_GetDrawableSize(display.window, &dw, &dh);
  const Letterbox box = FitLetterbox(display.width, display.height, dw, dh);
  // A frame the window already shows is neither drawn nor swapped; the loop
  // keeps its pace all the same.
  if (RendererSkipUnchangedFrame(box, dw, dh)) {
    if (sync != 0) display.pacer.WaitAfterUnchangedFrame();
    // The next swap's wait (or its lack) is timed from here.
    display.lastFlip = Millisecs();
    HostPumpEvents();
    return;
  }
  RendererPresent(box, dw, dh);
  const bool wantVsync = sync == 1 && display.vsync;
  if (wantVsync != display.swapWaits) {
    SDL_GL_SetSwapInterval(wantVsync ? 1 : 0);
    display.swapWaits = wantVsync;
  }
  if (sync == -1 || (sync == 1 && !display.vsync)) display.pacer.Wait();
  SDL_GL_SwapWindow(display.window);
#ifdef __EMSCRIPTEN__
  // The browser shows the canvas at its next animation frame: waiting for it
  // is this host's wait for the vertical blank.
  if (wantVsync) WaitForAnimationFrame();
#endif
  if (wantVsync && display.flipsTimed < kFlipsToTime) {
    const int32_t now = Millisecs();
    if (now - display.lastFlip < 1000 / display.hz / 2) ++display.fastFlips;
    display.lastFlip = now;
    if (++display.flipsTimed == kFlipsToTime && display.fastFlips > kFlipsToTime / 2) {
      // The swap does not wait for anything: pace in software from now on.
      display.vsync = false;
      display.pacer.Reset(display.hz);
    }
  }
  HostPumpEvents();
}

void AppTitle(const std::string& text) {
  title = text;
  if (display.window) SDL_SetWindowTitle(display.window, title.c_str());
}

const std::string& CurrentAppTitle() { return title; }

void SetWindowIcon(const std::string& path) {
  iconPath = path;
  if (display.window) ApplyWindowIcon();
}


// SDL's windows always have a minimize box.
void EnableMinimizeBox() {}

void HostPumpEvents() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) HandleEvent(e);
}

void MoveMouse(int x, int y) {
  if (!display.window) return;
  const Letterbox box = WindowLetterbox();
  if (box.width <= 0) return;
  SDL_WarpMouseInWindow(display.window, box.x + x * box.width / display.width,
                        box.y + y * box.height / display.height);
  InputMouseMoved(x, y);
}

bool ShowHostMessageBox(const std::string& text, bool serious) {
  const Uint32 kind = serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
  return SDL_ShowSimpleMessageBox(kind, title.c_str(), text.c_str(), display.window) == 0;
}

const std::string& LastDisplayError() { return lastError; }

}  // namespace platform
