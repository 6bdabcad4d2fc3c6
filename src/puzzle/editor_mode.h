#pragma once
// 1 while the level editor is on: the map's step runs the editor instead of the
// ball, hint pages stay closed and editor-only markers are drawn.
extern int EditorMode;
