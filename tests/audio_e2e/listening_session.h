#pragma once
// The real game as GameSession starts it, but on the real clock and with its
// audio device writing what it plays to a file through SDL's disk driver,
// which paces itself in real time. Every debug-log line is dated by how much
// of that file had been written when the game logged it.

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "audio_e2e/device_recording.h"
#include "e2e/game_session.h"
#include "platform/host/clock.h"
#include "platform/host/diagnostics.h"

class ListeningSession : public GameSession {
 protected:
  void SetUp() override {
    // MARROWICK_AUDIO_RECORDING keeps the recording for a listener; otherwise it goes with the folder.
    const char* keep = std::getenv("MARROWICK_AUDIO_RECORDING");
    recordingPath = keep && *keep ? keep : (folder.Path() / "device.raw").string();
    std::filesystem::remove(recordingPath);
    // Before the platform starts: SDL reads both when it opens the device.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recordingPath.c_str(), 1);
    GameSession::SetUp();
    // The system's clock with a hook on every sleep, in place of the fake one.
    platform::ClockSource systemClock;
    systemClock.sleep = [this](int ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      if (onPass) onPass();
    };
    platform::InstallClock(std::move(systemClock));
    platform::SetDebugLogHook([this](const std::string& text) {
      lines.push_back({text, FramesWrittenSoFar(recordingPath)});
      if (onLine) onLine(lines.back());
    });
  }
  void TearDown() override {
    platform::SetDebugLogHook({});
    GameSession::TearDown();
  }

 public:
  struct LoggedLine {
    std::string text;
    size_t framesWritten;  // of the recording when the line was logged
  };

  const LoggedLine* FirstLine(const std::string& prefix) const {
    for (const LoggedLine& line : lines) {
      if (line.text.rfind(prefix, 0) == 0) return &line;
    }
    return nullptr;
  }

  std::string recordingPath;
  std::vector<LoggedLine> lines;
  std::function<void()> onPass;  // on every sleep of the game's loops
  std::function<void(const LoggedLine&)> onLine;
};
