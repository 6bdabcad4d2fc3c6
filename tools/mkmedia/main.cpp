// mkmedia <game folder>: writes <game folder>/media/... and <game folder>/chest.ico.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "jobs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mkmedia <game folder>\n");
    return 2;
  }
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const mkmedia::Output output(argv[1]);
  const std::vector<mkmedia::Job> jobs = mkmedia::AllJobs();

  // The longest jobs come first in the list, so two workers finish close together.
  // MKMEDIA_TIMINGS=1 lists each job's time, to see where the seconds go.
  const bool timings = std::getenv("MKMEDIA_TIMINGS") != nullptr;
  std::atomic<size_t> next{0};
  std::mutex reportLock;
  std::vector<std::string> failures;
  auto worker = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      try {
        const auto jobStart = Clock::now();
        jobs[i].run(output);
        if (timings) {
          std::lock_guard<std::mutex> lock(reportLock);
          std::printf("  %-20s %6.2f s\n", jobs[i].name.c_str(),
                      std::chrono::duration<double>(Clock::now() - jobStart).count());
        }
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> lock(reportLock);
        failures.push_back(jobs[i].name + ": " + e.what());
      }
    }
  };
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(worker);
  worker();
  for (auto& t : threads) t.join();

  for (const std::string& f : failures) std::fprintf(stderr, "mkmedia: %s\n", f.c_str());
  if (!failures.empty()) return 1;
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("mkmedia: %zu jobs done in %.1f s\n", jobs.size(), seconds);
  return 0;
}
