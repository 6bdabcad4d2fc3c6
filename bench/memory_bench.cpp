// Resident and peak memory of the game against a bare SDL2 + OpenGL program
// (bare/bare_gl_window.cpp) on the same driver, measured in one run.
// Both run as children on an Xvfb display of their own, so the game can be
// played with keys sent by xdotool: past the logo, Enter on the main menu
// and on the first hint until level 0 is played. VmRSS (resident now) and
// VmHWM (the peak so far) are read from /proc/<pid>/status once each has
// settled: the bare program a moment after its frames are drawn, the game in
// the main menu a second and a half after the logo and again a second into
// the level, its music playing on SDL's dummy audio driver unless
// SDL_AUDIODRIVER says otherwise.
// Needs Xvfb and xdotool; the game is looked for as startup_bench looks.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <thread>

#include "child_process.h"
#include "game_folder.h"
#include "virtual_display.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

fs::path gameDir;
fs::path benchDir;

struct Resident {
  double rssMiB = 0;
  double hwmMiB = 0;
};

std::optional<Resident> ReadResident(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  Resident resident;
  std::string line;
  while (std::getline(status, line)) {
    // "VmRSS:     123456 kB"
    const double kib = line.size() > 6 ? std::atof(line.c_str() + 6) : 0;
    if (line.rfind("VmRSS:", 0) == 0) resident.rssMiB = kib / 1024;
    if (line.rfind("VmHWM:", 0) == 0) resident.hwmMiB = kib / 1024;
  }
  if (resident.rssMiB <= 0) return std::nullopt;
  return resident;
}

void SendKey(const std::string& display, const std::string& key) {
  const std::string command = "DISPLAY=" + display +
                              " xdotool search --sync --onlyvisible --name Marrowick key --window %1 " + key +
                              " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) std::cerr << "xdotool could not press " << key << "\n";
}

std::optional<Resident> BareProgram(const std::string& display) {
  ChildProcess bare({(benchDir / "bare_gl_window").string()}, {{"DISPLAY", display}});
  if (bare.SecondsTo("ready", 60s) < 0) return std::nullopt;
  std::this_thread::sleep_for(500ms);
  return ReadResident(bare.Pid());
}

struct GameMemory {
  Resident menu, level;
};

std::optional<GameMemory> GameInALevel(const std::string& display, std::string& failure) {
  GameMemory memory;
  const GameCopy game(gameDir);
  std::map<std::string, std::string> environment{{"DISPLAY", display}, {"MARROWICK_DEBUGLOG", "1"}};
  if (!std::getenv("SDL_AUDIODRIVER")) environment["SDL_AUDIODRIVER"] = "dummy";
  ChildProcess child({game.Program()}, environment);
  if (child.SecondsTo("media loaded", 60s) < 0) {
    failure = "the game never loaded its media";
    return std::nullopt;
  }
  // Past the logo the main menu fades in, as level 0 is started under it:
  // one of the two places where the game peaks (the other is entering the level).
  SendKey(display, "space");
  std::this_thread::sleep_for(1500ms);
  const std::optional<Resident> menu = ReadResident(child.Pid());
  if (!menu) {
    failure = "the game ended in the menu";
    return std::nullopt;
  }
  memory.menu = *menu;
  bool inLevel = false;
  // Screens take keys only once they have faded in.
  for (int tries = 0; tries < 20 && !inLevel; ++tries) {
    SendKey(display, "Return");
    inLevel = child.SecondsTo("start level", 700ms) >= 0;
  }
  if (!inLevel) {
    failure = "the game never started a level";
    return std::nullopt;
  }
  // The first level's hint page takes keys once it has faded in, and fades
  // out; Enter does nothing in play, so it is pressed a few times over, on a
  // busy machine too. Then a second of play.
  for (int presses = 0; presses < 4; ++presses) {
    std::this_thread::sleep_for(700ms);
    SendKey(display, "Return");
  }
  std::this_thread::sleep_for(1500ms);
  const std::optional<Resident> level = ReadResident(child.Pid());
  if (!level) {
    failure = "the game ended in the level";
    return std::nullopt;
  }
  memory.level = *level;
  return memory;
}

// One display for every repetition, closed when the program ends.
std::unique_ptr<VirtualDisplay> display;

void BM_ResidentInALevelOverBareSdlGl(benchmark::State& state) {
  if (!display) display = std::make_unique<VirtualDisplay>();
  if (display->Name().empty() || FindProgram("xdotool").empty()) {
    state.SkipWithError("Xvfb and xdotool are needed");
    return;
  }
  std::optional<Resident> bare;
  std::optional<GameMemory> game;
  std::string failure;
  for (auto _ : state) {
    bare = BareProgram(display->Name());
    if (!bare) {
      state.SkipWithError("the bare SDL + OpenGL program did not draw");
      return;
    }
    game = GameInALevel(display->Name(), failure);
    if (!game) {
      state.SkipWithError(failure.c_str());
      return;
    }
  }
  // Every figure twice: resident now (rss) and the peak so far (hwm).
  state.counters["bare_rss_MiB"] = bare->rssMiB;
  state.counters["bare_hwm_MiB"] = bare->hwmMiB;
  state.counters["menu_rss_MiB"] = game->menu.rssMiB;
  state.counters["menu_hwm_MiB"] = game->menu.hwmMiB;
  state.counters["level_rss_MiB"] = game->level.rssMiB;
  state.counters["level_hwm_MiB"] = game->level.hwmMiB;
  state.counters["menu_over_bare_rss_MiB"] = game->menu.rssMiB - bare->rssMiB;
  state.counters["level_over_bare_rss_MiB"] = game->level.rssMiB - bare->rssMiB;
  state.counters["peak_over_bare_hwm_MiB"] = game->level.hwmMiB - bare->hwmMiB;
}
// Where the allocator leaves its free memory varies from run to run by a few
// megabytes: read the median of the repetitions.
BENCHMARK(BM_ResidentInALevelOverBareSdlGl)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  gameDir = GameFolder(argv[0]);
  benchDir = fs::absolute(argv[0]).parent_path();
  if (!fs::exists(gameDir / "marrowick") || !fs::exists(gameDir / "media")) {
    std::cerr << "the game or its media were not found in " << gameDir << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  display.reset();
  return 0;
}
