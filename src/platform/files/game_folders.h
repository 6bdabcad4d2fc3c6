#pragma once
// Where the game's files live. One place answers both questions, and every
// game path reaches the disk through HostPath, which asks it:
// - the game's data (media, levels, the icon) beside the program, as the
//   portable folder ships it, else in ../share/marrowick, as installed;
// - the player's files (options, progress, identifier, screenshots) beside the
//   program when that folder can be written, else in the player's own data
//   folder (SDL's pref path: $XDG_DATA_HOME/marrowick, %APPDATA%\marrowick).

#include <functional>
#include <string>

namespace platform {

struct GameFolders {
  std::string data;    // host folder of media\, levels\ and the icon
  std::string player;  // host folder of the player's files; empty when none can be written
};

// programFolder: the folder the program runs from. playerDataFolder makes (on
// first use) and answers the player's own data folder, or "" when there is none.
// Says on standard error where the player's files go when that is not beside
// the program, and carries the player's files over the first time.
GameFolders ChooseGameFolders(const std::string& programFolder,
                              const std::function<std::string()>& playerDataFolder);

// The folders chosen at start; both empty (the working folder) until then.
const GameFolders& CurrentGameFolders();
void UseGameFolders(GameFolders folders);

// True for the game paths of its shipped data, which live in the data folder.
bool IsDataPath(const std::string& gamePath);

}  // namespace platform
