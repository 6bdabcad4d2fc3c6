#include <gtest/gtest.h>

#include <chrono>

#include "platform/net/http_stream.h"
#include "platform/http_test_server.h"
#include "platform/files/stream.h"

using namespace platform;

namespace {

struct ShortTimeout {
  ShortTimeout() { SetHttpTimeout(300); }
  ~ShortTimeout() { SetHttpTimeout(0); }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(HttpStream, SendsAGetAndServesTheBody) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {"success\r\nsecond line\nthird"});
  Stream stream = OpenStream("HTTP::" + server.HostField() + "/upload/01.php?a=YWJj", true, false);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->ReadLine(), "success");
  EXPECT_EQ(stream->ReadLine(), "second line");
  EXPECT_EQ(stream->ReadLine(), "third");
  EXPECT_TRUE(stream->Eof());
  stream->Close();

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /upload/01.php?a=YWJj HTTP/1.0\r\nHost: " + server.HostField() + "\r\n\r\n");
}

TEST(HttpStream, WithoutAPathAsksForTheRoot) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {"x"});
  Stream stream = ReadStream("http::" + server.HostField());
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->ReadByte(), 'x');
  stream->Close();
  EXPECT_EQ(server.Requests().at(0).rfind("GET / HTTP/1.0\r\n", 0), 0u);
}

TEST(HttpStream, ReadFileHoldsTheWholeBodyInMemory) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {std::string(10000, 'b') + "end"});
  Stream stream = ReadFile("http::" + server.HostField() + "/big");
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->Pos(), 0);
  EXPECT_EQ(stream->Size(), 10003);
  ASSERT_TRUE(stream->Seek(10000));
  EXPECT_EQ(stream->ReadLine(), "end");
}

TEST(HttpStream, HeadersThenCloseGivesAStreamAtItsEnd) {
  TestHttpServer server(TestHttpServer::Behaviour::CloseAfterHeaders);
  Stream stream = ReadStream("http::" + server.HostField() + "/x");
  ASSERT_TRUE(stream);
  EXPECT_TRUE(stream->Eof());
  EXPECT_EQ(stream->ReadLine(), "");
}

TEST(HttpStream, NoServerGivesNull) {
  EXPECT_FALSE(ReadStream("http::127.0.0.1:" + std::to_string(TestHttpServer::ClosedPort()) + "/x"));
  EXPECT_FALSE(ReadStream("http::/x"));  // no host at all
}

TEST(HttpStream, ASilentServerCannotHoldTheCaller) {
  ShortTimeout timeout;
  TestHttpServer server(TestHttpServer::Behaviour::Silent);
  const auto start = std::chrono::steady_clock::now();
  Stream stream = ReadStream("http::" + server.HostField() + "/x");
  ASSERT_TRUE(stream);
  EXPECT_TRUE(stream->Eof());
  EXPECT_LT(SecondsSince(start), 2.0);
}

TEST(HttpStream, AnEndlessReplyEndsWithinTheExchangeTime) {
  ShortTimeout timeout;
  TestHttpServer server(TestHttpServer::Behaviour::Endless);
  const auto start = std::chrono::steady_clock::now();
  Stream stream = ReadStream("http::" + server.HostField() + "/x");
  ASSERT_TRUE(stream);
  char block[65536];
  while (stream->ReadBytes(block, sizeof block) > 0) {
  }
  EXPECT_TRUE(stream->Eof());
  EXPECT_LT(SecondsSince(start), 2.0);
}

TEST(HttpStream, ALineBreakInTheUrlIsRefused) {
  TestHttpServer server(TestHttpServer::Behaviour::Answer, {"x"});
  EXPECT_FALSE(ReadStream("http::" + server.HostField() + "/x HTTP/1.0\r\nEvil: 1"));
  EXPECT_TRUE(server.Requests().empty());
}
