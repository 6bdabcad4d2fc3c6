#include "services/fetch_url.h"

#include "platform/files/stream.h"

#ifndef MARROWICK_UPLOAD_HOST
#define MARROWICK_UPLOAD_HOST ""
#endif

bool uploadEnabled = sizeof(MARROWICK_UPLOAD_HOST) > 1;

std::string FetchUrl(const std::string& url) {
  if (!uploadEnabled) return "Disabled";
  platform::Stream stream = platform::ReadStream(url);
  if (!stream) return "Error!";

  std::string reply;
  while (reply.size() < LongestReply && !stream->Eof()) reply += stream->ReadLine(LongestReply - reply.size());
  stream->Close();
  return reply;
}
