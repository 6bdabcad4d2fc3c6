// A save counts as done once its rename is on the disk: the replace must ask
// Windows to write it through, not leave it in the cache for a power cut to
// lose. Seen in the call itself: this program's import of MoveFileExW is
// pointed at a recorder while a save runs.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/host_file.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

// After the game's headers: its macros would rename their functions.
#include <windows.h>

namespace {

struct MoveCall {
  std::wstring to;
  DWORD flags;
};

std::vector<MoveCall> moves;
decltype(&MoveFileExW) systemMoveFileExW = nullptr;

BOOL WINAPI RecordingMoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
  moves.push_back({to ? to : L"", flags});
  return systemMoveFileExW(from, to, flags);
}

// Points this program's import of a kernel32 function elsewhere and returns
// where it pointed; nullptr when the program does not import it by name.
void* RedirectImport(const char* name, void* replacement) {
  auto* base = reinterpret_cast<uint8_t*>(GetModuleHandleW(nullptr));
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       library->Name != 0; ++library) {
    if (_stricmp(reinterpret_cast<const char*>(base + library->Name), "kernel32.dll") != 0) continue;
    if (library->OriginalFirstThunk == 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
      void* previous = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
      return previous;
    }
  }
  return nullptr;
}

}  // namespace

TEST(AtomicSave, TheReplaceIsWrittenThroughToTheDisk) {
  TempFolder folder;
  moves.clear();
  systemMoveFileExW = reinterpret_cast<decltype(&MoveFileExW)>(
      RedirectImport("MoveFileExW", reinterpret_cast<void*>(&RecordingMoveFileExW)));
  ASSERT_NE(systemMoveFileExW, nullptr) << "the program does not import MoveFileExW";
  const platform::WriteResult saved = platform::WriteFileAtomically("save0.dat", [](platform::StreamObject& out) {
    return out.WriteInt(510);
  });
  RedirectImport("MoveFileExW", reinterpret_cast<void*>(systemMoveFileExW));
  ASSERT_TRUE(saved) << saved.reason;

  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(std::filesystem::path(moves[0].to).filename(), L"save0.dat");
  EXPECT_TRUE(moves[0].flags & MOVEFILE_WRITE_THROUGH);
  EXPECT_TRUE(moves[0].flags & MOVEFILE_REPLACE_EXISTING);
  // A copy across volumes is no longer one step that a crash leaves whole or not at all.
  EXPECT_FALSE(moves[0].flags & MOVEFILE_COPY_ALLOWED);
  EXPECT_EQ(folder.Bytes("save0.dat"), (std::vector<uint8_t>{0xFE, 0x01, 0, 0}));
}

// What the player is told when the replace fails is the system's own reason.
TEST(AtomicSave, AFailedReplaceSaysWhyInTheSystemsWords) {
  TempFolder folder;
  const std::optional<std::string> failure = platform::ReplaceHostFile("missing.tmp", "save0.dat");
  ASSERT_TRUE(failure);
  EXPECT_FALSE(failure->empty());
  EXPECT_EQ(failure->find("error "), std::string::npos) << *failure;
  EXPECT_NE(failure->back(), '.');
}
