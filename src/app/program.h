#pragma once
// The program's entry: start-up with the logo, then the controller's run-mode
// loop until the player quits. Returns the process exit code.

int RunProgram(const char* argv0);

// Everything before the controller starts: options, display, logo, sounds,
// media, controller and session log. False (with the reason on standard error)
// when no display could be opened.
bool StartUp();
