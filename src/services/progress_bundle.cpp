#include "services/progress_bundle.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/file_stream.h"
#include "platform/files/host_file.h"
#include "platform/files/memory_stream.h"
#include "platform/files/stream.h"
#include "services/level_records.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/settings_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr std::string_view Magic = "MRWKPROG";
constexpr int Version = 1;

struct PlayerFile {
  std::string name;
  // Reads the file with the game's loader and writes what it read with the game's saver.
  bool (*rewrite)(platform::StreamObject& in, platform::StreamObject& out);
};

const std::array<PlayerFile, 4>& PlayerFiles() {
  static const std::array<PlayerFile, 4> files = {{
      // The game plays one profile, the first.
      {Progress().FileName(),
       [](platform::StreamObject& in, platform::StreamObject& out) {
         Progress progress;
         progress.ReadFrom(in);
         return progress.WriteTo(out);
       }},
      {OptionsFile::FileName,
       [](platform::StreamObject& in, platform::StreamObject& out) {
         OptionsFile::StoredOptions options = OptionsFile::Defaults();
         OptionsFile::ReadFrom(in, options);
         return OptionsFile::WriteTo(out, options);
       }},
      {LevelRecords::FileName,
       [](platform::StreamObject& in, platform::StreamObject& out) {
         LevelRecords records;
         records.ReadFrom(in);
         return records.WriteTo(out);
       }},
      {SettingsFile::FileName,
       [](platform::StreamObject& in, platform::StreamObject& out) {
         return out.WriteString(SettingsFile::Text(SettingsFile::ReadFrom(in)));
       }},
  }};
  return files;
}

// The one file a bundle cannot be without.
const PlayerFile& ProgressFile() { return PlayerFiles()[0]; }

const PlayerFile* FindPlayerFile(const std::string& name) {
  for (const PlayerFile& file : PlayerFiles()) {
    if (file.name == name) return &file;
  }
  return nullptr;
}

Bytes ReadRest(platform::StreamObject& stream, size_t size) {
  Bytes bytes(size);
  bytes.resize(stream.ReadBytes(bytes.data(), size));
  return bytes;
}

std::optional<Bytes> AsTheGameWritesIt(const PlayerFile& file, platform::StreamObject& in) {
  platform::Stream out = platform::OpenMemoryStream({});
  if (!file.rewrite(in, *out) || !out->Seek(0)) return std::nullopt;
  return ReadRest(*out, static_cast<size_t>(out->Size()));
}

struct Entry {
  const PlayerFile* file;
  Bytes bytes;
};

// The bundle's entries, each checked; nothing when any part of it is amiss.
std::optional<std::vector<Entry>> Unpack(const Bytes& bundle) {
  if (bundle.size() > LargestProgressBundle) return std::nullopt;
  platform::Stream stream = platform::OpenMemoryStream(bundle);
  const auto left = [&stream] { return static_cast<size_t>(stream->Size() - stream->Pos()); };
  if (left() < Magic.size() + 2) return std::nullopt;
  const Bytes magic = ReadRest(*stream, Magic.size());
  if (!std::equal(Magic.begin(), Magic.end(), magic.begin()) || stream->ReadByte() != Version) return std::nullopt;
  const size_t count = static_cast<size_t>(stream->ReadByte());
  if (count < 1 || count > PlayerFiles().size()) return std::nullopt;

  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    if (left() < 1) return std::nullopt;
    const size_t nameLength = static_cast<size_t>(stream->ReadByte());
    if (left() < nameLength + 4) return std::nullopt;
    const Bytes name = ReadRest(*stream, nameLength);
    const PlayerFile* file = FindPlayerFile(std::string(name.begin(), name.end()));
    const uint32_t size = static_cast<uint32_t>(stream->ReadInt());
    if (!file || size > left()) return std::nullopt;
    if (std::any_of(entries.begin(), entries.end(), [file](const Entry& entry) { return entry.file == file; })) {
      return std::nullopt;
    }
    Bytes bytes = ReadRest(*stream, size);
    platform::Stream in = platform::OpenMemoryStream(bytes);
    if (AsTheGameWritesIt(*file, *in) != bytes) return std::nullopt;
    entries.push_back({file, std::move(bytes)});
  }
  const bool withProgress =
      std::any_of(entries.begin(), entries.end(), [](const Entry& entry) { return entry.file == &ProgressFile(); });
  if (left() != 0 || !withProgress) return std::nullopt;
  return entries;
}

void RemoveHostFile(const std::string& hostPath) {
  std::error_code ignored;
  std::filesystem::remove(platform::PathFromUtf8(hostPath), ignored);
}

// No sync to the disk here: in a page that would wait for the browser, which
// a call from the page cannot do. The caller puts the folder on the disk.
bool WriteWhole(const std::string& hostPath, const Bytes& bytes) {
  std::FILE* file = platform::OpenHostFile(hostPath, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// Each file beside its target first, so that a failed write changes nothing.
std::vector<std::string> WriteBesideTargets(const std::vector<Entry>& entries) {
  std::vector<std::string> written;
  for (const Entry& entry : entries) {
    const std::string temporary = platform::HostFilePath(entry.file->name) + ".import";
    written.push_back(temporary);
    if (!WriteWhole(temporary, entry.bytes)) {
      for (const std::string& abandoned : written) RemoveHostFile(abandoned);
      return {};
    }
  }
  return written;
}

}  // namespace

std::vector<uint8_t> ExportProgress() {
  std::vector<Entry> entries;
  for (const PlayerFile& file : PlayerFiles()) {
    platform::Stream in = platform::ReadFile(file.name);
    if (!in) continue;
    std::optional<Bytes> bytes = AsTheGameWritesIt(file, *in);
    in->Close();
    if (bytes) entries.push_back({&file, std::move(*bytes)});
  }
  if (entries.empty() || entries.front().file != &ProgressFile()) return {};

  platform::Stream out = platform::OpenMemoryStream({});
  out->WriteString(std::string(Magic));
  out->WriteByte(Version);
  out->WriteByte(static_cast<int>(entries.size()));
  for (const Entry& entry : entries) {
    out->WriteByte(static_cast<int>(entry.file->name.size()));
    out->WriteString(entry.file->name);
    out->WriteInt(static_cast<int32_t>(entry.bytes.size()));
    out->WriteBytes(entry.bytes.data(), entry.bytes.size());
  }
  out->Seek(0);
  return ReadRest(*out, static_cast<size_t>(out->Size()));
}

bool IsProgressBundle(const std::vector<uint8_t>& bundle) { return Unpack(bundle).has_value(); }

ImportOutcome ImportProgress(const std::vector<uint8_t>& bundle) {
  const std::optional<std::vector<Entry>> entries = Unpack(bundle);
  if (!entries) return ImportOutcome::NotABundle;
  // A file the game cannot read may hold what the player would not want lost;
  // the game never writes over one, and neither does an import.
  for (const Entry& entry : *entries) {
    if (platform::FileUnreadable(entry.file->name)) return ImportOutcome::NotWritten;
  }
  const std::vector<std::string> written = WriteBesideTargets(*entries);
  if (written.empty()) return ImportOutcome::NotWritten;
  for (size_t i = 0; i < written.size(); ++i) {
    if (platform::ReplaceHostFile(written[i], platform::HostFilePath((*entries)[i].file->name))) {
      for (size_t rest = i; rest < written.size(); ++rest) RemoveHostFile(written[rest]);
      return i == 0 ? ImportOutcome::NotWritten : ImportOutcome::PartlyReplaced;
    }
  }
  return ImportOutcome::Replaced;
}
