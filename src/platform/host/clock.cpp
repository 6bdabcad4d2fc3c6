#include "platform/host/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#ifdef __EMSCRIPTEN__
#include "platform/host/web/page_sleep.h"
#endif

namespace platform {
namespace {

ClockSource installed;

int32_t SystemMillisecs() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  // The count wraps at 2^32 and reads as signed, like the host's tick counter.
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

}  // namespace

int32_t Millisecs() { return installed.now ? installed.now() : SystemMillisecs(); }

void Delay(int ms) {
  if (ms < 0) return;
  if (installed.sleep) {
    installed.sleep(ms);
    return;
  }
#ifdef __EMSCRIPTEN__
  // In a page the game shares its one thread with the browser, which draws,
  // plays and takes input only while the game waits in here.
  PageSleep(static_cast<unsigned>(ms));
#else
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}

std::string CurrentDate() {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::time_t now = installed.calendar ? installed.calendar() : std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Month names are written out here so the host's locale cannot change them.
  char text[32];
  std::snprintf(text, sizeof text, "%02d %s %04d", local.tm_mday, kMonths[local.tm_mon],
                local.tm_year + 1900);
  return text;
}

void InstallClock(ClockSource source) { installed = std::move(source); }

}  // namespace platform
