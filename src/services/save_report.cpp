#include "services/save_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace {

std::vector<std::string> pendingNotices;
// The failure last said on standard error for each file, until it saves again.
std::map<std::string, std::string> saidOnStandardError;

}  // namespace

void ReportSave(const std::string& what, const platform::WriteResult& result) {
  if (result) {
    saidOnStandardError.erase(what);
    return;
  }
  const std::string notice = what + " could not be saved: " + result.reason;
  if (std::find(pendingNotices.begin(), pendingNotices.end(), notice) == pendingNotices.end()) {
    pendingNotices.push_back(notice);
  }
  std::string& said = saidOnStandardError[what];
  if (said == notice) return;
  said = notice;
  std::fprintf(stderr, "Marrowick: %s\n", notice.c_str());
  std::fflush(stderr);
}

std::vector<std::string> TakeSaveNotices() { return std::exchange(pendingNotices, {}); }
