#pragma once
// Checks that a file is an MPEG audio layer III stream a player can decode:
// an optional ID3v2 tag, then frames with valid headers chained to the end of
// the file (an ID3v1 tag may close it).
#include <filesystem>
#include <string>

struct Mp3Check {
  bool decodable = false;
  int frames = 0;
  double seconds = 0;
  std::string problem;  // why it is not decodable
};

Mp3Check CheckMp3(const std::filesystem::path& path);
