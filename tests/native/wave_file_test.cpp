// Where a cue file's format and samples are found, and which files play nothing.
#include "countdown/wave_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

// A chunk: its name, a declared size (its body's unless given), its body.
std::string Chunk(const std::string& name, size_t body, long long declared = -1) {
  const auto size = static_cast<unsigned>(declared < 0 ? body : declared);
  std::string chunk = name;
  for (int shift = 0; shift < 32; shift += 8) chunk += static_cast<char>(size >> shift & 0xFF);
  return chunk + std::string(body, name == "data" ? 'S' : 'f');
}

std::string Riff(const std::string& body, long long declared = -1) {
  return Chunk("RIFF", 0, declared < 0 ? body.size() + 4 : declared) + "WAVE" + body;
}

struct WaveCase {
  std::string file;
  int format_size;  // -1: nothing plays
  int samples_size;
};

TEST(WaveFileTest, FindsTheFormatAndTheSamplesAfterIt) {
  const std::string format = Chunk("fmt ", 16);
  const std::string padding(1, '\0');
  const WaveCase cases[] = {
      {Riff(format + Chunk("data", 6)), 16, 6},
      {Riff(Chunk("fmt ", 18) + Chunk("data", 0)), 18, 0},
      {Riff(Chunk("LIST", 3) + padding + Chunk("fmt ", 17) + padding + Chunk("fact", 4) +
            Chunk("data", 5)),
       17, 5},
      {Riff(format + Chunk("data", 4, 1000)), 16, 4},            // cut where the file ends
      {Riff(format + Chunk("data", 4), 4 + 24 + 8 + 2), 16, 2},  // and where the RIFF ends
      {Riff(Chunk("data", 4) + format), -1, 0},                  // samples before the format
      {Riff(Chunk("fmt ", 14) + Chunk("data", 4)), -1, 0},       // a format too short
      {Riff(format), -1, 0},
      {Riff(Chunk("LIST", 4, 0xFFFFFFFF) + format + Chunk("data", 4)), -1, 0},
      {Riff(format + Chunk("data", 4), 3), -1, 0},
      {"RIFX" + Riff(format + Chunk("data", 4)).substr(4), -1, 0},
      {Riff(format + Chunk("data", 4)).replace(8, 4, "AVI "), -1, 0},
      {Chunk("RIFF", 0, 4) + "WAV", -1, 0},
      {"", -1, 0},
  };
  for (const WaveCase& c : cases) {
    const auto parts = FindWaveParts(std::as_bytes(std::span(c.file.data(), c.file.size())));
    ASSERT_EQ(parts.has_value(), c.format_size >= 0) << testing::PrintToString(c.file);
    if (parts) {
      EXPECT_EQ(parts->format.size(), static_cast<size_t>(c.format_size));
      EXPECT_EQ(
          std::string(reinterpret_cast<const char*>(parts->samples.data()), parts->samples.size()),
          std::string(c.samples_size, 'S'));
    }
  }
}

}  // namespace
}  // namespace morvane
