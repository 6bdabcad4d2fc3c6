#include "platform/files/game_folders.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/files/host_file.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

GameFolders chosen;

// The files a player would miss; screenshots stay where they were taken.
const char* const PlayerFileNames[] = {"options.dat", "save0.dat", "uniqueID.idn"};

bool HasMedia(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "media", error);
}

// Asked by writing, not by permission bits: only that is sure on every host,
// for every user and on read-only media.
bool CanWriteIn(const fs::path& folder) {
  const fs::path probe = folder / ".marrowick-write-test";
  bool written = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    written = out.good() && (out << 'x').flush().good();
  }
  std::error_code error;
  fs::remove(probe, error);
  return written;
}

bool HoldsPlayerFiles(const fs::path& folder) {
  std::error_code error;
  for (const char* name : PlayerFileNames) {
    if (fs::exists(folder / name, error)) return true;
  }
  return false;
}

// Once, when the player's files move to a folder that has none of them yet.
void CarryPlayerFilesOver(const fs::path& from, const fs::path& to) {
  if (HoldsPlayerFiles(to) || !HoldsPlayerFiles(from)) return;
  for (const char* name : PlayerFileNames) {
    std::error_code error;
    if (fs::exists(from / name, error)) fs::copy_file(from / name, to / name, error);
  }
  std::fprintf(stderr, "Marrowick: copied your progress and options from %s\n", Utf8FromPath(from).c_str());
}

}  // namespace

GameFolders ChooseGameFolders(const std::string& programFolder,
                              const std::function<std::string()>& playerDataFolder) {
  GameFolders folders;
  const fs::path program = programFolder.empty() ? fs::path(".") : PathFromUtf8(programFolder);
  const fs::path installedData = program / ".." / "share" / "marrowick";
  folders.data = Utf8FromPath(HasMedia(program) || !HasMedia(installedData) ? program : installedData.lexically_normal());

  if (CanWriteIn(program)) {
    folders.player = Utf8FromPath(program);
    return folders;
  }
  const std::string own = playerDataFolder ? playerDataFolder() : std::string();
  if (!own.empty() && CanWriteIn(PathFromUtf8(own))) {
    folders.player = own;
    std::fprintf(stderr, "Marrowick: the program's folder cannot be written; your progress is kept in %s\n",
                 own.c_str());
    CarryPlayerFilesOver(program, PathFromUtf8(own));
  } else {
    std::fprintf(stderr, "Marrowick: neither the program's folder nor %s can be written; "
                         "your progress and options will not be saved.\n",
                 own.empty() ? "a folder of your own" : own.c_str());
  }
  std::fflush(stderr);
  return folders;
}

const GameFolders& CurrentGameFolders() { return chosen; }

void UseGameFolders(GameFolders folders) { chosen = std::move(folders); }

bool IsDataPath(const std::string& gamePath) {
  const auto startsWith = [&](const char* folder) {
    const size_t length = std::char_traits<char>::length(folder);
    if (gamePath.size() <= length || gamePath.compare(0, length, folder) != 0) return false;
    return gamePath[length] == '\\' || gamePath[length] == '/';
  };
  return startsWith("media") || startsWith("levels") || gamePath == "chest.ico";
}

}  // namespace platform
