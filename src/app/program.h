#pragma once
// The program's entry: start-up with the logo, then the controller's run-mode
// loop until the player quits. Returns the process exit code.

int RunProgram(const char* argv0);
