// How much of one core the real game takes while nothing on its screen
// changes: in the main menu, and in the first level with the ball at rest.
// The game runs in a child process, from a copy in a temporary folder (the
// media and levels linked in, a fresh save), on an X server of its own (Xvfb
// on the first free display from :90), and the key that starts play is sent
// with xdotool. The child's CPU time (every thread: the software GL driver's
// too) is read from /proc over a few seconds of each.
// Run from anywhere; the game is looked for in MARROWICK_GAME_DIR, else in the
// build folder above this program.

#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "game_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr double MeasuredSeconds = 5.0;

fs::path gameCopy;
std::string display;

fs::path CopyGame(const fs::path& gameDir) {
  std::string pattern = (fs::temp_directory_path() / "marrowick-idle-XXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  fs::copy_file(gameDir / "marrowick", folder / "marrowick");
  fs::create_directory_symlink(fs::absolute(gameDir) / "media", folder / "media");
  fs::create_directory_symlink(fs::absolute(gameDir) / "levels", folder / "levels");
  return folder;
}

pid_t Spawn(const std::vector<std::string>& command, int stderrTo = -1) {
  const pid_t child = fork();
  if (child != 0) return child;
  if (stderrTo >= 0) dup2(stderrTo, STDERR_FILENO);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

void Stop(pid_t child) {
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// The first display number with no server, and an Xvfb started on it.
pid_t StartXServer() {
  for (int n = 90; n < 140; ++n) {
    if (fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) || fs::exists("/tmp/.X" + std::to_string(n) + "-lock")) {
      continue;
    }
    display = ":" + std::to_string(n);
    const pid_t server = Spawn({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    for (int wait = 0; wait < 100 && !fs::exists("/tmp/.X11-unix/X" + std::to_string(n)); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return server;
  }
  return -1;
}

// User and system time of every thread of the process, in seconds.
double CpuSecondsOf(pid_t process) {
  std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command's closing parenthesis; utime and stime are the 14th and 15th.
  std::istringstream rest(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i) {
    if (i >= 14) ticks += std::stod(field);
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double CorePercentOver(pid_t process, double seconds) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuBefore = CpuSecondsOf(process);
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double cpu = CpuSecondsOf(process) - cpuBefore;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return 100.0 * cpu / wall;
}

// The game started and past its logo, in the main menu; the child's id, or -1.
pid_t StartGameInMenu() {
  int lines[2];
  if (pipe(lines) != 0) return -1;
  setenv("DISPLAY", display.c_str(), 1);
  setenv("MARROWICK_DEBUGLOG", "1", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  unsetenv("SDL_VIDEODRIVER");
  const pid_t game = Spawn({(gameCopy / "marrowick").string()}, lines[1]);
  close(lines[1]);
  FILE* fromGame = fdopen(lines[0], "r");
  bool loaded = false;
  char line[512];
  while (!loaded && fgets(line, sizeof line, fromGame)) loaded = std::string(line) == "media loaded\n";
  // The rest of its lines are read and dropped, so it never waits on a full pipe.
  std::thread([fromGame] {
    char rest[512];
    while (fgets(rest, sizeof rest, fromGame)) {
    }
    fclose(fromGame);
  }).detach();
  if (!loaded) {
    Stop(game);
    return -1;
  }
  // The logo stays two seconds, then the menu fades in.
  std::this_thread::sleep_for(std::chrono::seconds(4));
  return game;
}

// Held a moment: the game reads keys once per step.
void SendKey(const std::string& key) {
  for (const char* action : {"keydown", "keyup"}) {
    const pid_t tool = Spawn({"xdotool", "search", "--name", "^Marrowick$", "windowfocus", "--sync", action, key});
    waitpid(tool, nullptr, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
}

void BM_IdleMainMenu(benchmark::State& state) {
  for (auto _ : state) {
    const pid_t game = StartGameInMenu();
    if (game < 0) {
      state.SkipWithError("the game never loaded its media");
      return;
    }
    state.counters["core_percent"] = CorePercentOver(game, MeasuredSeconds);
    Stop(game);
  }
}
BENCHMARK(BM_IdleMainMenu)->Iterations(1)->Unit(benchmark::kSecond);

// Level 0 once its opening has played, its first hint page read and the
// ball at rest on its start: only the exit's ring turns.
void BM_IdleStillLevel(benchmark::State& state) {
  for (auto _ : state) {
    const pid_t game = StartGameInMenu();
    if (game < 0) {
      state.SkipWithError("the game never loaded its media");
      return;
    }
    SendKey("Return");
    std::this_thread::sleep_for(std::chrono::seconds(4));
    SendKey("Return");
    std::this_thread::sleep_for(std::chrono::seconds(3));
    state.counters["core_percent"] = CorePercentOver(game, MeasuredSeconds);
    Stop(game);
  }
}
BENCHMARK(BM_IdleStillLevel)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path gameDir = GameFolder(argv[0]);
  if (!fs::exists(gameDir / "marrowick") || !fs::exists(gameDir / "media")) {
    std::cerr << "the game or its media were not found in " << gameDir << "\n";
    return 1;
  }
  const pid_t server = StartXServer();
  if (server < 0) {
    std::cerr << "no free X display for Xvfb\n";
    return 1;
  }
  gameCopy = CopyGame(gameDir);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Stop(server);
  std::error_code error;
  fs::remove_all(gameCopy, error);
  return 0;
}
