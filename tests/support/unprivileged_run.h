#pragma once
// Runs code in a child process that cannot read a file just because the tests
// run as root: the child becomes the user "nobody" first. What the child
// prints on standard error goes where the parent's does (gtest can capture it).

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// True when the child ran the body and exited normally.
inline bool RunUnprivileged(const std::function<void()>& body) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
    body();
    _exit(0);  // no leak check or static clean-up of the copied parent
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
