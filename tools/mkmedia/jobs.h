#pragma once
// The generator's work list: each job makes one file or one family of files
// from its own fixed seeds, so jobs can run in any order on any thread.

#include <functional>
#include <string>
#include <vector>

#include "output.h"

namespace mkmedia {

struct Job {
  std::string name;
  std::function<void(const Output&)> run;
};

std::vector<Job> AllJobs();

}  // namespace mkmedia
