#pragma once
// The program's entry: start-up with the logo, then the controller's run-mode
// loop until the player quits. Returns the process exit code.

int RunProgram(const char* argv0);

#include <memory>

class GameController;

// Everything before the controller starts: options, display, logo, sounds,
// media, and the controller with its sounds and session log. None (with the
// reason on standard error) when no display could be opened.
std::shared_ptr<GameController> StartUp();
