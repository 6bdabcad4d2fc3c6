#include "platform/host/helper_program.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace platform {

std::optional<std::string> FindHelperProgram(const std::string& name) {
  const char* searchPath = std::getenv("PATH");
  if (!searchPath || name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  std::istringstream folders(searchPath);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

std::optional<std::string> RunHelperProgram(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            size_t maxOutput) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return std::nullopt;
  }
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execv(program.c_str(), argv.data());
    _exit(127);
  }

  close(pipeEnds[1]);
  std::string output;
  char block[4096];
  while (true) {
    const ssize_t count = read(pipeEnds[0], block, sizeof block);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    // Past the limit the rest is drained and dropped so the helper never blocks.
    if (output.size() < maxOutput) output.append(block, std::min(static_cast<size_t>(count), maxOutput - output.size()));
  }
  close(pipeEnds[0]);

  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

}  // namespace platform
