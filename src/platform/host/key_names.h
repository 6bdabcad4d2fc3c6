#pragma once
// What the player reads for a key: the virtual-key codes of input.h and the
// pad's buttons (PadKey), as the controls screen and the texts that name a
// key show them.

#include <string>

namespace platform {

// "Up", "R", "F11", "Print Screen", "Pad A"...; "key 123" for a code with no name.
std::string KeyName(int code);

}  // namespace platform
