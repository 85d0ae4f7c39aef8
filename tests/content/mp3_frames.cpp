#include "mp3_frames.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct FrameHeader {
  int length = 0;         // bytes, header included
  int samplesPerFrame = 0;
  int sampleRate = 0;
};

// Layer III only. Returns false for anything that is not a valid header.
bool ParseHeader(const unsigned char* h, FrameHeader& header) {
  if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
  const int version = (h[1] >> 3) & 0x3;  // 0: 2.5, 2: 2, 3: 1
  const int layer = (h[1] >> 1) & 0x3;    // 1: layer III
  const int bitrateIndex = h[2] >> 4;
  const int rateIndex = (h[2] >> 2) & 0x3;
  const int padding = (h[2] >> 1) & 0x1;
  if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
  static const int kBitrateV1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  static const int kBitrateV2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
  static const int kRate[] = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int bitrate = (mpeg1 ? kBitrateV1 : kBitrateV2)[bitrateIndex] * 1000;
  header.sampleRate = kRate[rateIndex] / (mpeg1 ? 1 : version == 2 ? 2 : 4);
  header.samplesPerFrame = mpeg1 ? 1152 : 576;
  header.length = header.samplesPerFrame / 8 * bitrate / header.sampleRate + padding;
  return true;
}

}  // namespace

Mp3Check CheckMp3(const std::filesystem::path& path) {
  Mp3Check check;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    check.problem = "cannot be read";
    return check;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::size_t at = 0;
  if (bytes.size() >= 10 && bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3') {
    at = 10 + ((bytes[6] & 0x7F) << 21 | (bytes[7] & 0x7F) << 14 | (bytes[8] & 0x7F) << 7 | (bytes[9] & 0x7F));
  }
  std::size_t end = bytes.size();
  if (end >= 128 && bytes[end - 128] == 'T' && bytes[end - 127] == 'A' && bytes[end - 126] == 'G') end -= 128;
  while (at < end) {
    FrameHeader header;
    if (end - at < 4 || !ParseHeader(&bytes[at], header)) {
      check.problem = "no valid frame header at byte " + std::to_string(at);
      return check;
    }
    if (at + header.length > end) {
      check.problem = "last frame cut short at byte " + std::to_string(at);
      return check;
    }
    at += header.length;
    ++check.frames;
    check.seconds += static_cast<double>(header.samplesPerFrame) / header.sampleRate;
  }
  if (check.frames == 0) {
    check.problem = "holds no audio frame";
    return check;
  }
  check.decodable = true;
  return check;
}
