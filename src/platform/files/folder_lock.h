#pragma once
// One copy of the game at a time keeps a folder's files. The lock is an
// advisory lock on an open file in the folder, which the system lets go when
// the process ends however it ends; a marker file would outlive a killed game
// and shut the player out of their own files. The file itself stays: its being
// there means nothing, and removing it would let two copies lock two files.

#include <cstdint>
#include <string>

namespace platform {

class FolderLock {
 public:
  enum class State { Held, HeldElsewhere, Unavailable };

  // Tries once and never waits. Unavailable: the folder has no lock to take
  // (no lock file can be made there, or the file system cannot lock).
  explicit FolderLock(const std::string& hostFolder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  State state() const { return state_; }

  static constexpr const char* FileName = ".marrowick-lock";

 private:
  intptr_t handle_ = -1;
  State state_ = State::Unavailable;
};

}  // namespace platform
