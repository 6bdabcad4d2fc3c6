#pragma once
// Why a file could not be written, in words a player can act on: a full disk
// is said the same way on every host, anything else in the system's own words,
// shaped to follow "could not be saved: ".

#include <string>

namespace platform {

// From an errno value; 0 (no reason known) gives a plain "could not be written".
std::string DescribeWriteError(int errorNumber);

// A host's own message without its capital and closing full stop.
std::string SystemReason(std::string message);

}  // namespace platform
