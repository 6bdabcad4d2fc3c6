#pragma once
// Maths and text helpers the game uses, with the game's conventions: angles in
// degrees, 1-based text positions, reals printed with "%#.9g".

#include <string>

namespace platform {

double Sin(double degrees);
double Cos(double degrees);
double ATan(double x);
double ATan2(double y, double x);
double Sqr(double x);
double Pow(double x, double y);

std::string Mid(const std::string& text, int position, int count = -1);
int Instr(const std::string& text, const std::string& part, int start = 1);
std::string Lower(const std::string& text);
std::string Chr(int code);
std::string Str(int value);
std::string Str(double value);
std::string Str(float value);

}  // namespace platform
