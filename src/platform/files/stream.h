#pragma once
// Byte streams over files and over HTTP, with little-endian typed reads and
// writes. Text is 8 bits per character. Game paths use "\" as the separator.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <functional>
#include <string>

namespace platform {

// What a concrete source or sink provides; Stream adds the typed operations.
class StreamBackend {
 public:
  virtual ~StreamBackend() = default;
  // Both return the number of bytes actually moved.
  virtual size_t Read(void* buffer, size_t size) = 0;
  virtual size_t Write(const void* buffer, size_t size) = 0;
  virtual bool AtEnd() = 0;
  // -1 when the source cannot report its position (a socket).
  virtual int64_t Position() { return -1; }
  virtual int64_t Size() { return -1; }
  virtual bool Seek(int64_t) { return false; }
  virtual bool Flush() { return true; }
  virtual void Close() {}
  // True once a read has failed for a reason other than the end of the data.
  virtual bool ReadError() { return false; }
  // The errno of the first write that failed, 0 when none did or none is known.
  virtual int WriteError() { return 0; }
};

class StreamObject {
 public:
  explicit StreamObject(std::unique_ptr<StreamBackend> backend);
  ~StreamObject();

  bool Eof();
  int ReadByte();
  int ReadShort();
  int32_t ReadInt();
  float ReadFloat();
  std::string ReadLine();
  // The same, but stops after maxLength characters so that a source without
  // line breaks cannot make the text grow without bound.
  std::string ReadLine(size_t maxLength);
  size_t ReadBytes(void* buffer, size_t size);

  bool WriteByte(int value);
  bool WriteShort(int value);
  bool WriteInt(int32_t value);
  bool WriteFloat(float value);
  bool WriteLine(const std::string& text);
  bool WriteString(const std::string& text);  // raw bytes, no terminator
  size_t WriteBytes(const void* buffer, size_t size);

  int64_t Pos();
  int64_t Size();
  bool Seek(int64_t position);
  bool Flush();
  // True when every write so far moved all of its bytes.
  bool WritesOk() const { return writesOk_; }
  // Why the first failed write failed, as an errno value; 0 when unknown.
  int WriteError() const { return writeError_; }
  // False once a read failed with an error rather than at the end of the data.
  bool ReadsOk();
  void Close();

 private:
  void NoteWriteFailure();

  std::unique_ptr<StreamBackend> backend_;
  bool writesOk_ = true;
  int writeError_ = 0;
};

using Stream = std::shared_ptr<StreamObject>;

Stream OpenStream(const std::string& url, bool readable, bool writeable);
Stream ReadStream(const std::string& url);
Stream ReadFile(const std::string& path);
Stream WriteFile(const std::string& path);
void CloseStream(const Stream& stream);
bool Eof(const Stream& stream);

bool CopyFile(const std::string& source, const std::string& destination);
bool FileExists(const std::string& path);
// There, but not a file this program may read (no permission, a folder in its place).
bool FileUnreadable(const std::string& path);
int64_t FileSize(const std::string& path);  // -1 when missing
bool DeleteFile(const std::string& path);
bool CreateDir(const std::string& path);

// What became of a save: written, or why not, in words for the player ("the
// disk is full", or the system's own).
struct WriteResult {
  bool written = false;
  std::string reason;
  explicit operator bool() const { return written; }
};

// Writes a file whole through a temporary file of its own in the same folder
// that is flushed and renamed over the old one, so a failure leaves the old
// file intact. The writer returns false to abandon the write. An existing file
// that cannot be read is never replaced: it may hold what the player would not
// want lost.
WriteResult WriteFileAtomically(const std::string& path, const std::function<bool(StreamObject&)>& writer);
// Removes the temporary files that writes cut short by a killed game left in
// a folder; only for a folder no other copy of the game is writing in.
void RemoveAbandonedWrites(const std::string& hostFolder);
// Replaces the final rename of WriteFileAtomically (host paths in, success out)
// so tests can simulate a crash between writing and renaming; empty restores it.
void SetRenameHook(std::function<bool(const std::string& from, const std::string& to)> hook);

std::string RequestFile(const std::string& title, const std::string& filter, bool save,
                        const std::string& initialPath);

}  // namespace platform
