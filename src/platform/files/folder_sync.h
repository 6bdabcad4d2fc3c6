#pragma once
// Making a rename durable: the new name lives in the folder's own entry, which
// the host may keep in memory until told to write it out.

#include <string>

namespace platform {

// Pushes the folder's entries to the disk; false when the host refused.
bool SyncFolder(const std::string& hostFolder);

}  // namespace platform
