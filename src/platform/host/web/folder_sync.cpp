#include "platform/files/folder_sync.h"

#include <emscripten.h>

namespace platform {
namespace {

// The player's folder is in memory, mirrored to the browser's IndexedDB
// (web/player_storage.js mounts it): a save is kept once the mirror is
// written. Answers 1 when it was.
EM_ASYNC_JS(int, WritePlayerFilesToBrowser, (), {
  return await new Promise(resolve => FS.syncfs(false, error => {
    if (error) console.error("Marrowick: the browser did not keep the saved files:", error);
    resolve(error ? 0 : 1);
  }));
});

}  // namespace

// Every folder the game writes in the page is the player's, so the folder
// named is not needed: the whole mirror is brought up to date.
bool SyncFolder(const std::string&) { return WritePlayerFilesToBrowser() != 0; }

}  // namespace platform
