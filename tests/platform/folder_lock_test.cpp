#include <gtest/gtest.h>

#include <memory>

#include "platform/files/folder_lock.h"
#include "platform/stream_temp_folder.h"

using platform::FolderLock;

// One holder at a time, asked without waiting; the lock goes with its holder.
// (Across processes, and past a killed game: tests/e2e/second_copy_test.cpp.)
TEST(FolderLock, OneHolderAtATimeAndFreeAgainOnceLetGo) {
  TempFolder folder;
  const std::string path = folder.Path().string();
  auto first = std::make_unique<FolderLock>(path);
  EXPECT_EQ(first->state(), FolderLock::State::Held);
  EXPECT_EQ(FolderLock(path).state(), FolderLock::State::HeldElsewhere);
  first.reset();
  EXPECT_EQ(FolderLock(path).state(), FolderLock::State::Held);
  EXPECT_EQ(FolderLock((folder.Path() / "missing").string()).state(), FolderLock::State::Unavailable);
}
