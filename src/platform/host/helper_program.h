#pragma once
// Running a helper program of the host (a file dialog, for instance) and
// collecting what it prints.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program's full path when one of that name is found on the search path.
std::optional<std::string> FindHelperProgram(const std::string& name);

// Runs the program with the arguments as given (no shell in between) and
// returns its standard output, up to maxOutput bytes, when it exits with
// status 0; otherwise nothing.
std::optional<std::string> RunHelperProgram(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            size_t maxOutput);

}  // namespace platform
