#include <gtest/gtest.h>

#include "platform/host/diagnostics.h"
#include "platform/net/http_stream.h"
#include "platform/http_test_server.h"
#include "platform/host/random.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"
#include "services/fetch_url.h"
#include "services/game_log.h"
#include "services/session_clock.h"
#include "support/fake_clock.h"

using Bytes = std::vector<uint8_t>;

namespace {

// The obvious decoder of the upload text: 6 bits per character, "." pads.
Bytes Decode(const std::string& text) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  Bytes bytes;
  uint32_t bits = 0;
  int count = 0;
  for (char c : text) {
    if (c == '.') break;
    bits = bits << 6 | static_cast<uint32_t>(alphabet.find(c));
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes.push_back(static_cast<uint8_t>(bits >> count));
    }
  }
  return bytes;
}

Bytes Used(const LogBytes& array) { return Bytes(array.begin() + 1, array.begin() + array[0]); }

// The encoded text of a recorded upload request.
std::string QueryText(const std::string& request) {
  const std::string prefix = "GET /upload/01.php?a=";
  EXPECT_EQ(request.rfind(prefix, 0), 0u);
  return request.substr(prefix.size(), request.find(' ', prefix.size()) - prefix.size());
}

class GameLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
    platform::SetNotifyHook([this](const std::string& text, bool) { notes.push_back(text); });
    platform::SetHttpTimeout(500);
    sessionStart = ClockSeconds();
  }
  void TearDown() override {
    platform::SetDebugLogHook({});
    platform::SetNotifyHook({});
    platform::SetRenameHook({});
    platform::SetHttpTimeout(0);
    uploadEnabled = false;
    uploadHost = "";
  }

  bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

  FakeClock clock;
  TempFolder folder;
  std::vector<std::string> log;
  std::vector<std::string> notes;
};

}  // namespace

TEST_F(GameLogTest, FirstAndSecondRunsOfTheIdentifierFile) {
  platform::SeedRnd(99);
  auto first = GameLog::Create();
  EXPECT_EQ(first->logNumber, 0);
  EXPECT_EQ(log, std::vector<std::string>{"game log - first run - unique ID " + std::to_string(first->uniqueID)});
  const Bytes stored = folder.Bytes("uniqueID.idn");
  ASSERT_EQ(stored.size(), 6u);
  EXPECT_EQ(stored[0] | stored[1] << 8 | stored[2] << 16 | uint32_t(stored[3]) << 24, uint32_t(first->uniqueID));
  EXPECT_EQ(stored[4], 1);
  EXPECT_EQ(stored[5], 0);

  log.clear();
  auto second = GameLog::Create();
  EXPECT_EQ(second->uniqueID, first->uniqueID);
  EXPECT_EQ(second->logNumber, 1);
  EXPECT_EQ(folder.Bytes("uniqueID.idn")[4], 2);
  EXPECT_EQ(log, std::vector<std::string>{"game log - unique ID " + std::to_string(first->uniqueID) +
                                          ", log number 1"});
  EXPECT_EQ(second->levelInProgress, GameLog::NoLevel);
  EXPECT_EQ(second->sessionState, 0);
}

TEST_F(GameLogTest, IdentifierBytesInTheFileAndInTheRecords) {
  folder.Write("uniqueID.idn", {0x01, 0xFF, 0x00, 0x00, 0xFF, 0xFF});
  auto gameLog = GameLog::Create();
  EXPECT_EQ(gameLog->uniqueID, 65281);
  EXPECT_EQ(gameLog->logNumber, 65535);
  EXPECT_EQ(folder.Bytes("uniqueID.idn"), (Bytes{0x01, 0xFF, 0x00, 0x00, 0x00, 0x00}));  // the number wraps

  gameLog->SessionStart(0);
  const LogBytes session = gameLog->sessionLogToByteArray();
  for (int at : {2, 12, 16}) {
    EXPECT_EQ((Bytes(session.begin() + at, session.begin() + at + 4)), (Bytes{0x00, 0x00, 0xFF, 0x01}));
  }
}

TEST_F(GameLogTest, AShortIdentifierFileCountsAsMissing) {
  folder.Write("uniqueID.idn", {0x01, 0x02, 0x03, 0x04});
  auto gameLog = GameLog::Create();
  EXPECT_EQ(gameLog->logNumber, 0);
  EXPECT_EQ(log.at(0).rfind("game log - first run - unique ID ", 0), 0u);
  const Bytes stored = folder.Bytes("uniqueID.idn");
  ASSERT_EQ(stored.size(), 6u);
  EXPECT_EQ(stored[4], 1);
}

TEST_F(GameLogTest, AnIdentifierFileThatCannotBeWrittenStaysAsItWas) {
  folder.Write("uniqueID.idn", {7, 0, 0, 0, 3, 0});
  platform::SetRenameHook([](const std::string&, const std::string&) { return false; });
  auto gameLog = GameLog::Create();
  EXPECT_EQ(gameLog->logNumber, 3);
  EXPECT_EQ(folder.Bytes("uniqueID.idn"), (Bytes{7, 0, 0, 0, 3, 0}));
}

TEST_F(GameLogTest, ASessionWithoutOptionChanges) {
  folder.Write("uniqueID.idn", {0x78, 0x56, 0x34, 0x12, 4, 0});
  auto gameLog = GameLog::Create();
  gameLog->SessionStart(3);
  EXPECT_EQ(gameLog->sessionState, -1);
  clock.Advance(125 * 1000);
  log.clear();
  gameLog->SessionFinish(7);

  EXPECT_EQ(gameLog->sessionState, 1);
  EXPECT_EQ(gameLog->sessionDuration, 125);
  EXPECT_EQ(gameLog->endLevel, 7);
  const LogBytes session = gameLog->sessionLogToByteArray();
  EXPECT_EQ(Used(session), (Bytes{77, 0x12, 0x34, 0x56, 0x78, 0, 4, 0, 125, 3, 7, 0x12, 0x34, 0x56, 0x78, 0x12,
                                  0x34, 0x56, 0x78, 0}));
  const std::string text = LogEncoder::Encode(session);
  EXPECT_EQ(text.size(), 28u);
  EXPECT_EQ(text.substr(26), "A.");
  EXPECT_EQ(Decode(text), Used(session));

  EXPECT_EQ(log, (std::vector<std::string>{"game log: session finishing", "game log: RESPONSE: Disabled",
                                           "upload attempts: 2"}));
  EXPECT_TRUE(notes.empty());
}

TEST_F(GameLogTest, TwentyOptionChangesAtMost) {
  GameLog gameLog;
  gameLog.SessionStart(0);
  for (int i = 0; i < 21; ++i) gameLog.AddOptionRecord(OptionLogRecord::EffectsVolume, i, i, i + 1);
  EXPECT_EQ(gameLog.optionRecordCount, 20);
  const LogBytes session = gameLog.sessionLogToByteArray();
  EXPECT_EQ(session[0], 141);
  EXPECT_EQ((Bytes(session.begin() + 134, session.begin() + 141)), (Bytes{1, 1, 0, 19, 19, 20, 0}));
}

TEST_F(GameLogTest, ALevelIsRecordedOnce) {
  GameLog gameLog;
  gameLog.LevelEnd(LevelLogRecord::SolvedFinish);  // nothing in progress
  EXPECT_EQ(gameLog.levelRecordCount, 0);

  gameLog.LevelBegin(261);  // kept modulo 256
  EXPECT_EQ(gameLog.levelInProgress, 5);
  clock.Advance(42 * 1000);
  gameLog.LevelEnd(LevelLogRecord::SolvedFinish);
  gameLog.LevelEnd(LevelLogRecord::Unfinished);  // quitting before the next level began
  EXPECT_EQ(gameLog.levelRecordCount, 1);
  EXPECT_EQ(gameLog.levelInProgress, GameLog::NoLevel);
  EXPECT_EQ(Used(gameLog.levelLogsToByteArray()), (Bytes{78, 0, 0, 0, 0, 2, 5, 0, 42, 1, 0, 0, 0, 0, 0}));
}

TEST_F(GameLogTest, LevelDurationsWrapWithTheClock) {
  clock.now = 65537 * 1000;  // second 65537 is kept as 1
  GameLog gameLog;
  gameLog.LevelBegin(1);
  clock.Advance(3000);
  gameLog.LevelEnd(LevelLogRecord::SkippedFinish);
  EXPECT_EQ(gameLog.levelRecords->duration, 3);
}

TEST_F(GameLogTest, TwentyLevelRecordsGoOutAsABatch) {
  GameLog gameLog;
  for (int i = 0; i < 19; ++i) gameLog.AddLevelRecord(i, 10, 1, 0, 0);
  EXPECT_EQ(gameLog.levelRecordCount, 19);
  EXPECT_EQ(gameLog.levelLogsToByteArray()[0], 6 + 19 * 9 + 1);
  EXPECT_TRUE(log.empty());

  gameLog.AddLevelRecord(19, 10, 1, 0, 0);
  EXPECT_EQ(gameLog.levelRecordCount, 0);
  EXPECT_FALSE(gameLog.levelRecords);
  EXPECT_TRUE(Logged("game log: uploading 20 level logs"));
  EXPECT_TRUE(Logged("game log: RESPONSE: Disabled"));
  EXPECT_TRUE(Logged("upload attempts: 2"));

  log.clear();
  gameLog.UploadLevels();  // nothing waiting
  EXPECT_TRUE(log.empty());
}

TEST_F(GameLogTest, UploadsReachTheServerAndStopAtSuccess) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {"Success, thanks"});
  uploadEnabled = true;
  uploadHost = server.HostField();
  GameLog gameLog;
  gameLog.uniqueID = 1234;
  for (int i = 0; i < 3; ++i) gameLog.AddLevelRecord(i, i * 10, 2, i, 0);
  const LogBytes expected = gameLog.levelLogsToByteArray();
  gameLog.UploadLevels();
  ASSERT_TRUE(gameLog.WaitForUploads(std::chrono::seconds(5)));

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(Decode(QueryText(server.Requests()[0])), Used(expected));
  EXPECT_TRUE(Logged("game log: RESPONSE: Success, thanks"));
  EXPECT_FALSE(Logged("upload attempts: 2"));
  EXPECT_EQ(gameLog.levelRecordCount, 0);
}

TEST_F(GameLogTest, AFailedUploadIsTriedOnceMoreThenDropped) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {"try later", "still no"});
  uploadEnabled = true;
  uploadHost = server.HostField();
  GameLog gameLog;
  gameLog.SessionStart(0);
  gameLog.UploadSession();
  ASSERT_TRUE(gameLog.WaitForUploads(std::chrono::seconds(5)));
  EXPECT_EQ(server.Requests().size(), 2u);
  EXPECT_TRUE(Logged("game log: RESPONSE: still no"));
  EXPECT_TRUE(Logged("upload attempts: 2"));

  uploadHost = "127.0.0.1:" + std::to_string(TestHttpServer::ClosedPort());
  log.clear();
  gameLog.UploadSession();
  ASSERT_TRUE(gameLog.WaitForUploads(std::chrono::seconds(5)));
  EXPECT_TRUE(Logged("game log: RESPONSE: Error!"));
}

// A server that never answers holds each attempt for its whole timeout; play
// goes on meanwhile, and quitting waits half a second at most.
TEST_F(GameLogTest, ASilentServerHoldsUpNeitherPlayNorQuitting) {
  TestHttpServer server(TestHttpServer::Behaviour::Silent);
  platform::SetHttpTimeout(3000);
  uploadEnabled = true;
  uploadHost = server.HostField();
  GameLog gameLog;
  gameLog.SessionStart(0);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < GameLog::LevelRecordBatch; ++i) gameLog.AddLevelRecord(i, 1, 1, 1, 0);
  EXPECT_EQ(gameLog.levelRecordCount, 0);  // the batch went out
  gameLog.SessionFinish(0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2000));
  EXPECT_TRUE(Logged("game log: quitting before the upload ended"));
  EXPECT_FALSE(Logged("game log: RESPONSE: Error!"));  // abandoned uploads report nothing
}

TEST_F(GameLogTest, FetchUrlIsBoundedAndOffByDefault) {
  EXPECT_EQ(uploadEnabled, !uploadHost.empty()) << "uploads are on only when the build names a host";
  uploadEnabled = false;
  EXPECT_EQ(FetchUrl("http::127.0.0.1:1/x"), "Disabled");

  uploadEnabled = true;
  {
    TestHttpServer server(TestHttpServer::Behaviour::Endless);
    EXPECT_EQ(FetchUrl("http::" + server.HostField() + "/x").size(), LongestReply);
  }
  TestHttpServer lines(TestHttpServer::Behaviour::Answer, {"succ\r\ness\n"});
  EXPECT_EQ(FetchUrl("http::" + lines.HostField() + "/x"), "success");
}

TEST_F(GameLogTest, AnUnstartedSessionIsReportedAndStillBuilt) {
  GameLog gameLog;
  gameLog.uniqueID = 5;
  const LogBytes session = gameLog.sessionLogToByteArray();
  EXPECT_EQ(notes, std::vector<std::string>{"sessionLogToByteArray called on incomplete session :("});
  EXPECT_EQ(session[0], 21);
  EXPECT_EQ(session[5], 5);
}
