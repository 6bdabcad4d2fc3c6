#pragma once
// Two copies of the game on one player folder would each save over the
// other's progress, and a double click on the icon is enough to start two.
// The first copy keeps the folder for as long as it runs; a second one says
// so, on screen and on standard error, and leaves before it loads or saves
// anything. Leaving rather than playing on without saving: two
// windows of one game invite the player to go on in the one that keeps
// nothing.

// False when another copy holds the player's folder; the player has been told.
bool ClaimPlayerFolder();
