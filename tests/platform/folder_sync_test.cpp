#include <gtest/gtest.h>

#include "platform/files/folder_sync.h"
#include "platform/stream_temp_folder.h"

using namespace platform;

// A save's rename is pushed into its folder; the host must accept that for a
// real folder (the working folder too, named by the empty string) and refuse
// a folder that is not there.
TEST(FolderSync, RealFoldersSyncAndMissingOnesAreRefused) {
  TempFolder folder;
  EXPECT_TRUE(SyncFolder(folder.Path().string()));
  EXPECT_TRUE(SyncFolder(""));
  EXPECT_FALSE(SyncFolder((folder.Path() / "missing").string()));
}
