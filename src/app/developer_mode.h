#pragma once
// 0 in the shipped game; the developer build sets it to 1 before starting,
// which opens the level editor and shortens the logo.
extern int DeveloperMode;
