#include "app/player_folder_claim.h"

#include <cstdio>
#include <memory>
#include <string>

#include "platform/host/diagnostics.h"
#include "platform/files/folder_lock.h"
#include "platform/files/game_folders.h"
#include "platform/files/stream.h"

using namespace platform;

bool ClaimPlayerFolder() {
  const std::string& folder = CurrentGameFolders().player;
  // Without a folder of their own nothing is saved, so nothing can be lost.
  if (folder.empty()) return true;
  // Held until the process ends; the system lets it go however it ends.
  static std::unique_ptr<FolderLock> lock;
  lock = std::make_unique<FolderLock>(folder);
  switch (lock->state()) {
    case FolderLock::State::Held:
      // No other copy can be writing here now: what is half written was left by one that was killed.
      RemoveAbandonedWrites(folder);
      return true;
    case FolderLock::State::Unavailable:
      DebugLog("the player's folder cannot be locked; playing on");
      return true;
    case FolderLock::State::HeldElsewhere:
      break;
  }
  std::string shown = folder;
  if (shown.size() > 1 && (shown.back() == '/' || shown.back() == '\\')) shown.pop_back();
  const std::string message = "Marrowick is already running with the player files in " + shown;
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
  ShowMessageBox(message);
  return false;
}
