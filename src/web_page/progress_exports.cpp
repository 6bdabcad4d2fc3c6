// What the page's "Export progress" and "Import progress" call in the game
// (web/progress_transfer.js). The page calls in while the game waits for a
// frame, so nothing here may wait in turn: the files are written in the page's
// memory only, and the page writes them to the browser itself.

#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "services/progress_bundle.h"

namespace {

std::vector<uint8_t> Bundle(const uint8_t* bytes, int size) {
  return size > 0 ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>{};
}

}  // namespace

extern "C" {

// The player's files in a bundle the page frees, its size in *size; null when
// there is no progress to export yet.
EMSCRIPTEN_KEEPALIVE uint8_t* marrowick_export_progress(int* size) {
  const std::vector<uint8_t> bundle = ExportProgress();
  auto* copy = bundle.empty() ? nullptr : static_cast<uint8_t*>(std::malloc(bundle.size()));
  if (copy) std::memcpy(copy, bundle.data(), bundle.size());
  *size = copy ? static_cast<int>(bundle.size()) : 0;
  return copy;
}

EMSCRIPTEN_KEEPALIVE int marrowick_largest_progress_bundle() { return static_cast<int>(LargestProgressBundle); }

EMSCRIPTEN_KEEPALIVE int marrowick_is_progress_bundle(const uint8_t* bytes, int size) {
  return IsProgressBundle(Bundle(bytes, size)) ? 1 : 0;
}

// An ImportOutcome: 0 replaced, 1 no bundle, 2 not written, 3 partly replaced.
EMSCRIPTEN_KEEPALIVE int marrowick_import_progress(const uint8_t* bytes, int size) {
  return static_cast<int>(ImportProgress(Bundle(bytes, size)));
}

}  // extern "C"
