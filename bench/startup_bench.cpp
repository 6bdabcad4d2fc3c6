// From exec to the first presented logo frame, and to the media loaded: the
// real game started in a child process as a player starts it, so loading the
// program and its libraries, SDL's video and audio drivers, the GL context and
// every picture and sound are counted each time. The child runs from a copy of
// the game in a temporary folder (the media and levels linked in), so the
// files it writes stay there; its debug lines are read as they come and it is
// stopped once the media are loaded.
// Run with SDL_VIDEODRIVER=offscreen (or a display) from anywhere; the game is
// looked for in MARROWICK_GAME_DIR, else in the build folder above this program.

#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "game_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path gameCopy;

// The game's program copied into a fresh folder beside links to its data.
fs::path CopyGame(const fs::path& gameDir) {
  std::string pattern = (fs::temp_directory_path() / "marrowick-start-XXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  fs::copy_file(gameDir / "marrowick", folder / "marrowick");
  fs::create_directory_symlink(fs::absolute(gameDir) / "media", folder / "media");
  fs::create_directory_symlink(fs::absolute(gameDir) / "levels", folder / "levels");
  return folder;
}

// Seconds from just before the fork to the child's debug line `milestone`;
// negative when the child ended without writing it.
double SecondsTo(const std::string& milestone) {
  int lines[2];
  if (pipe(lines) != 0) return -1;
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    dup2(lines[1], STDERR_FILENO);
    close(lines[0]);
    close(lines[1]);
    setenv("MARROWICK_DEBUGLOG", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string program = (gameCopy / "marrowick").string();
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(lines[1]);
  FILE* fromChild = fdopen(lines[0], "r");
  double seconds = -1;
  char line[512];
  while (fgets(line, sizeof line, fromChild)) {
    if (std::string(line) == milestone + "\n") {
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
      break;
    }
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  fclose(fromChild);
  return seconds;
}

void BM_ExecTo(benchmark::State& state, const std::string& milestone) {
  for (auto _ : state) {
    const double seconds = SecondsTo(milestone);
    if (seconds < 0) {
      state.SkipWithError(("the game never wrote \"" + milestone + "\"").c_str());
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK_CAPTURE(BM_ExecTo, first_logo_frame, std::string("logo shown"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_ExecTo, media_loaded, std::string("media loaded"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path gameDir = GameFolder(argv[0]);
  if (!fs::exists(gameDir / "marrowick") || !fs::exists(gameDir / "media")) {
    std::cerr << "the game or its media were not found in " << gameDir << "\n";
    return 1;
  }
  gameCopy = CopyGame(gameDir);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  fs::remove_all(gameCopy, error);
  return 0;
}
