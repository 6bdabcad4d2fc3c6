#pragma once
// A program run as a child process, as a player starts it, with its standard
// error read line by line as it comes (the game's debug lines mark how far it
// has got); and the game copied into a fresh folder for such a run, so the
// files it writes stay there.

#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ChildProcess {
 public:
  using Clock = std::chrono::steady_clock;

  // `environment` is added to this process's own.
  ChildProcess(const std::vector<std::string>& command, const std::map<std::string, std::string>& environment) {
    int lines[2];
    if (pipe(lines) != 0) return;
    started_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
      dup2(lines[1], STDERR_FILENO);
      close(lines[0]);
      close(lines[1]);
      for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
      std::vector<char*> argv;
      for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(lines[1]);
    fromChild_ = lines[0];
  }
  // Asked to end (an X server removes its lock file then), and killed if it
  // has not within two seconds.
  ~ChildProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      for (int waited = 0; waited < 200 && waitpid(pid_, nullptr, WNOHANG) == 0; ++waited) usleep(10000);
      if (waitpid(pid_, nullptr, WNOHANG) == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
      }
    }
    if (fromChild_ >= 0) close(fromChild_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  Clock::time_point Started() const { return started_; }

  // Seconds from the fork to the child's line `line`, read within `timeout`;
  // negative when it ended or the time ran out first.
  double SecondsTo(const std::string& line, std::chrono::milliseconds timeout) {
    if (!LineStartingWith(line, timeout, true)) return -1;
    return std::chrono::duration<double>(Clock::now() - started_).count();
  }

  // The child's first line from now on that starts with `prefix` (or is
  // exactly it, when `whole`), read within `timeout`; nothing when it ended
  // or the time ran out first.
  std::optional<std::string> LineStartingWith(const std::string& prefix, std::chrono::milliseconds timeout,
                                              bool whole = false) {
    const Clock::time_point giveUp = Clock::now() + timeout;
    for (;;) {
      for (size_t end; (end = pending_.find('\n')) != std::string::npos;) {
        const std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (line.rfind(prefix, 0) == 0 && (!whole || line.size() == prefix.size())) return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - Clock::now()).count();
      if (left <= 0 || fromChild_ < 0) return std::nullopt;
      pollfd wait{fromChild_, POLLIN, 0};
      if (poll(&wait, 1, static_cast<int>(left)) <= 0) continue;
      char buffer[4096];
      const ssize_t got = read(fromChild_, buffer, sizeof buffer);
      if (got <= 0) return std::nullopt;
      pending_.append(buffer, static_cast<size_t>(got));
    }
  }

 private:
  pid_t pid_ = -1;
  int fromChild_ = -1;
  Clock::time_point started_;
  std::string pending_;
};

// The game's program copied into a fresh folder beside links to its data;
// removed again with the object.
class GameCopy {
 public:
  explicit GameCopy(const std::filesystem::path& gameDir) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "marrowick-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    fs::copy_file(gameDir / "marrowick", folder_ / "marrowick");
    fs::create_directory_symlink(fs::absolute(gameDir) / "media", folder_ / "media");
    fs::create_directory_symlink(fs::absolute(gameDir) / "levels", folder_ / "levels");
  }
  ~GameCopy() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }
  GameCopy(const GameCopy&) = delete;
  GameCopy& operator=(const GameCopy&) = delete;

  std::string Program() const { return (folder_ / "marrowick").string(); }

 private:
  std::filesystem::path folder_;
};
