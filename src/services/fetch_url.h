#pragma once
// The one request the game makes: a GET whose reply body comes back as text.

#include <cstddef>
#include <string>

// Off unless the build names an upload host; while off nothing leaves the machine.
extern bool uploadEnabled;

// The reply is cut at this length: the caller only looks at how it begins.
constexpr size_t LongestReply = 64 * 1024;

// The reply body with its line breaks dropped; "Disabled" while uploads are
// off, "Error!" when no connection can be made.
std::string FetchUrl(const std::string& url);
