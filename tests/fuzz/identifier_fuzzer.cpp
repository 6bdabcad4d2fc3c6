// "uniqueID.idn" read when the game log is made at start-up, which rewrites it
// with the next session number: the identifier must survive and the number
// count on by one.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/host/random.h"
#include "services/game_log.h"
#include "services/identifier_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("uniqueID.idn", data, size);
  platform::SeedRnd(1234);
  const auto log = GameLog::Create();
  const auto rewritten = LoadPlayerIdentifier();
  if (!rewritten) FuzzFailure("the identifier file was not rewritten");
  if (rewritten->id != log->uniqueID || rewritten->logNumber != static_cast<uint16_t>(log->logNumber + 1)) {
    FuzzFailure("the rewritten identifier file does not follow on from the one read");
  }
  return 0;
}
