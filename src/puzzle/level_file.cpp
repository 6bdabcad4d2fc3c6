#include "puzzle/level_file.h"

#include <filesystem>

#include "platform/host/diagnostics.h"
#include "platform/files/stream.h"
#include "platform/host/text.h"
#include "puzzle/map.h"

using platform::Str;

namespace levelfile {

std::string LoadPath(int number) { return "levels\\" + Str(number) + ".lvl"; }

// The program makes its own folder the working folder when it starts.
std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string(".") : folder.string();
}

std::string SavePath(int number) { return ProgramFolder() + "\\levels\\" + Str(number) + ".lvl"; }

std::string BackupPath(int number) { return ProgramFolder() + "\\! map backups\\" + Str(number) + ".lvl"; }

}  // namespace levelfile

namespace {

// The next level's origin always lies on the board, or the hand-over would
// scroll for hours (or overflow) on a damaged file.
int ShiftOnTheBoard(const char* axis, int shift, int extent) {
  if (shift > -extent && shift < extent) return shift;
  platform::DebugLog(std::string("Map shift ") + axis + " " + Str(shift) + " lies off the board; read as 0");
  return 0;
}

}  // namespace

void mapType::Load() {
  platform::DebugLog("Loading map " + Str(number) + ".lvl");
  exitX = -1;
  exitY = -1;

  // A missing file leaves the grid as it was; a short one fills what it holds.
  if (platform::Stream file = platform::ReadFile(levelfile::LoadPath(number))) {
    if (file->ReadInt() == levelfile::CurrentVersion) {
      file->ReadInt();  // the art style, which always follows from the number
      file->ReadInt();
    }
    if (number >= 0) artStyle = number / 5;

    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        if (!file->Eof()) tiles[x][y] = file->ReadInt();
        if (tiles[x][y] == tile::Start) {
          startX = x;
          startY = y;
        } else if (tiles[x][y] == tile::Exit) {
          exitX = x;
          exitY = y;
        }
      }
    }
    shiftX = ShiftOnTheBoard("x", file->Eof() ? 0 : file->ReadInt(), board::Width);
    shiftY = ShiftOnTheBoard("y", file->Eof() ? 0 : file->ReadInt(), board::Height);
    file->Close();
  }

  ClearProtection();
  for (int c = 0; c < lockCount; ++c) lockState[c] = lockInitial[c] = 0;
  lockState[1] = lockInitial[1] = 1;
}

void mapType::Save(int quick) {
  std::string path;
  if (quick == 1) {
    platform::CopyFile(levelfile::SavePath(number), levelfile::BackupPath(number));
    path = levelfile::SavePath(number);
  } else {
    path = platform::RequestFile("Save this map as (source map is " + Str(number) + ")",
                                 "Level files:dat,lvl;All Files:*", true, levelfile::ProgramFolder() + "\\levels\\");
    if (path.empty()) return;
  }

  const platform::WriteResult written = platform::WriteFileAtomically(path, [this](platform::StreamObject& file) {
    file.WriteInt(levelfile::CurrentVersion);
    file.WriteInt(artStyle);
    file.WriteInt(-1);
    for (const auto& column : tiles) {
      for (const int code : column) file.WriteInt(code);
    }
    file.WriteInt(shiftX);
    file.WriteInt(shiftY);
    return file.WritesOk();
  });
  if (!written) platform::RuntimeError("could not open file");
}
