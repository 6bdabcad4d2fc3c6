#include "services/identifier_file.h"

#include "platform/files/stream.h"
#include "services/unreadable_file.h"

namespace {
const char* const IdentifierFileName = "uniqueID.idn";
constexpr int IdentifierFileSize = 6;
}  // namespace

std::optional<PlayerIdentifier> LoadPlayerIdentifier() {
  platform::Stream stream = platform::ReadFile(IdentifierFileName);
  if (!stream) ReportIfUnreadable(IdentifierFileName);
  if (!stream || stream->Size() < IdentifierFileSize) return std::nullopt;
  PlayerIdentifier identifier;
  identifier.id = stream->ReadInt();
  identifier.logNumber = static_cast<uint16_t>(stream->ReadShort());
  stream->Close();
  return identifier;
}

bool SavePlayerIdentifier(const PlayerIdentifier& identifier) {
  return platform::WriteFileAtomically(IdentifierFileName, [&](platform::StreamObject& stream) {
    stream.WriteInt(identifier.id);
    stream.WriteShort(identifier.logNumber);
    return stream.WritesOk();
  }).written;
}
