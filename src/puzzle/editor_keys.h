#pragma once
// The keys the map reads at the end of its step: V shows the version in every
// build; in the developer build E switches the level editor on and off, and
// while it is on the editor's keys and mouse buttons change the map.

struct mapType;

void UpdateEditorKeys(mapType& map, int playerControl);
