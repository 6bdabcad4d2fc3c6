#pragma once
// A level as text, one character per cell, for looking at what the generator made:
//   '.' floor  '#' '1'-'5' walls of looks 10-15  'S' start  'E' exit
//   'a' 'b' keys  'A' 'B' locks  'p'-'y' teleports 16-25

#include <string>

struct mapType;

std::string LevelPicture(const mapType& map);
