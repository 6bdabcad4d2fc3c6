#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/stream_temp_folder.h"

namespace {

// Removed by the static destructors when libFuzzer ends the run normally.
std::unique_ptr<TempFolder> folder;

}  // namespace

void EnterFuzzFolder() {
  if (folder) return;
  // The game syncs every file it saves through to the disk. In memory that
  // costs nothing, and the fuzzers that save run a hundred times faster.
  if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm")) setenv("TMPDIR", "/dev/shm", 1);
  folder = std::make_unique<TempFolder>();
}

void WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  EnterFuzzFolder();
  std::filesystem::create_directories((folder->Path() / name).parent_path());
  folder->Write(name, std::vector<uint8_t>(data, data + size));
}

void RemoveFuzzFile(const std::string& name) {
  EnterFuzzFolder();
  std::error_code error;
  std::filesystem::remove(folder->Path() / name, error);
}

// Freed memory that AddressSanitizer holds back to catch late uses counts in
// the process's size, which libFuzzer holds to 256 MB: a smaller hold keeps a
// long run from failing for memory that no single input took.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

void FuzzFailure(const std::string& what) {
  std::fprintf(stderr, "\nFUZZ FAILURE: %s\n", what.c_str());
  folder.reset();  // abort runs no destructors
  std::abort();
}
