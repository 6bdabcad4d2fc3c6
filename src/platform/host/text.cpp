#include "platform/host/text.h"

#include <cmath>
#include <cstdio>

namespace platform {
namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
}

double Sin(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double Cos(double degrees) { return std::cos(degrees * kRadiansPerDegree); }
double ATan(double x) { return std::atan(x) / kRadiansPerDegree; }
double ATan2(double y, double x) { return std::atan2(y, x) / kRadiansPerDegree; }
double Sqr(double x) { return std::sqrt(x); }
double Pow(double x, double y) { return std::pow(x, y); }

std::string Mid(const std::string& text, int position, int count) {
  const bool toEnd = count < 0;
  if (position < 1) {
    // Characters before the first one count against the length asked for.
    if (!toEnd) {
      count += position - 1;
      if (count <= 0) return "";
    }
    position = 1;
  }
  const int length = static_cast<int>(text.size());
  if (position > length) return "";
  const int available = length - (position - 1);
  if (toEnd || count > available) count = available;
  return text.substr(position - 1, count);
}

int Instr(const std::string& text, const std::string& part, int start) {
  if (start < 1) start = 1;
  if (start > static_cast<int>(text.size()) + 1) return 0;
  const auto found = text.find(part, start - 1);
  return found == std::string::npos ? 0 : static_cast<int>(found) + 1;
}

std::string Lower(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string Chr(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

std::string Str(int value) { return std::to_string(value); }

std::string Str(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%#.9g", value);
  return text;
}

std::string Str(float value) { return Str(static_cast<double>(value)); }

}  // namespace platform
