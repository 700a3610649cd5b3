#include "ui/artwork/inflate.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace morvane::artwork {

namespace {

constexpr unsigned kLongestCode = 15;
// Codes up to this long are looked up at once; longer ones, rare by their
// nature, are found bit by bit.
constexpr unsigned kFastBits = 9;
constexpr unsigned kLiteralCodes = 288;
constexpr unsigned kEndOfBlock = 256;
// What decoding bits that are no code gives: above every symbol.
constexpr unsigned kNoCode = 0xFFFF;

// Reads the stream's bits, lowest first. Past the end it reads zeros and
// counts them, so that the decoding loops need no bounds of their own.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The next `count` bits (up to kLongestCode), left unread.
  std::uint32_t Peek(unsigned count) {
    while (held_ <= 24) {
      const std::uint32_t byte = next_ < bytes_.size() ? bytes_[next_] : 0;
      ++next_;
      bits_ |= byte << held_;
      held_ += 8;
    }
    return bits_ & ((1u << count) - 1);
  }
  void Skip(unsigned count) {
    bits_ >>= count;
    held_ -= count;
  }
  std::uint32_t Take(unsigned count) {
    const std::uint32_t value = Peek(count);
    Skip(count);
    return value;
  }
  void SkipToByte() { Skip(held_ % 8); }
  // Whether more was read than the stream holds.
  bool Overran() const { return next_ - held_ / 8 > bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
  std::uint32_t bits_ = 0;
  unsigned held_ = 0;
};

// A canonical prefix code, given by each symbol's code length.
class PrefixCode {
 public:
  // False when the lengths promise more codes than there are.
  bool Build(std::span<const std::uint8_t> lengths) {
    counts_.fill(0);
    for (const std::uint8_t length : lengths) {
      ++counts_[length];
    }
    counts_[0] = 0;
    int left = 1;
    std::array<std::uint16_t, kLongestCode + 2> first_of_length{};
    for (unsigned length = 1; length <= kLongestCode; ++length) {
      left = 2 * left - counts_[length];
      if (left < 0) {
        return false;
      }
      first_of_length[length + 1] =
          static_cast<std::uint16_t>(first_of_length[length] + counts_[length]);
    }
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
      if (lengths[symbol] != 0) {
        symbols_[first_of_length[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
      }
    }
    // The short codes in the fast table, indexed by their bits as read
    // (reversed), each entry repeated for every value of the bits after it.
    fast_.fill(0);
    std::uint32_t code = 0;
    unsigned next = 0;
    for (unsigned length = 1; length <= kFastBits; ++length) {
      for (unsigned i = 0; i < counts_[length]; ++i, ++code, ++next) {
        std::uint32_t reversed = 0;
        for (unsigned bit = 0; bit < length; ++bit) {
          reversed |= ((code >> bit) & 1) << (length - 1 - bit);
        }
        const auto entry = static_cast<std::uint16_t>(length << 9 | symbols_[next]);
        for (std::uint32_t index = reversed; index < fast_.size(); index += 1u << length) {
          fast_[index] = entry;
        }
      }
      code <<= 1;
    }
    return true;
  }

  // The next symbol, or kNoCode if the bits are no code. The code read so far
  // is never below the first code of its length: a lower one would have
  // been a shorter code.
  unsigned Decode(BitReader& in) const {
    if (const std::uint16_t entry = fast_[in.Peek(kFastBits)]; entry != 0) {
      in.Skip(entry >> 9u);
      return entry & 0x1FFu;
    }
    std::uint32_t bits = in.Peek(kLongestCode);
    unsigned code = 0;
    unsigned first = 0;
    unsigned index = 0;
    for (unsigned length = 1; length <= kLongestCode; ++length) {
      code |= bits & 1;
      bits >>= 1;
      if (code - first < counts_[length]) {
        in.Skip(length);
        return symbols_[index + code - first];
      }
      index += counts_[length];
      first = (first + counts_[length]) << 1;
      code <<= 1;
    }
    return kNoCode;
  }

 private:
  std::array<std::uint16_t, kLongestCode + 1> counts_{};
  std::array<std::uint16_t, kLiteralCodes> symbols_{};
  std::array<std::uint16_t, 1 << kFastBits> fast_{};
};

// Lengths 3 to 258 and distances 1 to 32768: a base and a count of extra bits.
constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Where the unpacked bytes go, and how far they have come.
struct Output {
  std::span<std::uint8_t> bytes;
  std::size_t written = 0;
};

bool Stored(BitReader& in, Output& out) {
  in.SkipToByte();
  const std::uint32_t length = in.Take(16);
  if ((length ^ in.Take(16)) != 0xFFFF || length > out.bytes.size() - out.written) {
    return false;
  }
  for (std::uint32_t i = 0; i < length; ++i) {
    out.bytes[out.written++] = static_cast<std::uint8_t>(in.Take(8));
  }
  return true;
}

bool Codes(BitReader& in, const PrefixCode& literals, const PrefixCode& distances, Output& out) {
  for (;;) {
    const unsigned symbol = literals.Decode(in);
    if (symbol < kEndOfBlock) {
      if (out.written == out.bytes.size()) {
        return false;
      }
      out.bytes[out.written++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    if (symbol == kEndOfBlock) {
      return true;
    }
    const unsigned length_symbol = symbol - kEndOfBlock - 1;
    if (length_symbol >= kLengthBase.size()) {
      return false;
    }
    std::size_t length = kLengthBase[length_symbol] + in.Take(kLengthExtra[length_symbol]);
    const unsigned distance_symbol = distances.Decode(in);
    if (distance_symbol >= kDistanceBase.size()) {
      return false;
    }
    const std::size_t distance =
        kDistanceBase[distance_symbol] + in.Take(kDistanceExtra[distance_symbol]);
    if (distance > out.written || length > out.bytes.size() - out.written) {
      return false;
    }
    std::uint8_t* to = &out.bytes[out.written];
    const std::uint8_t* from = to - distance;
    out.written += length;
    if (distance >= length) {
      std::memcpy(to, from, length);
    } else {
      // Byte by byte: the copy repeats what it writes.
      for (; length > 0; --length) {
        *to++ = *from++;
      }
    }
  }
}

bool FixedCodes(BitReader& in, Output& out) {
  std::array<std::uint8_t, kLiteralCodes> lengths{};
  for (unsigned symbol = 0; symbol < kLiteralCodes; ++symbol) {
    lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
  }
  std::array<std::uint8_t, 30> distance_lengths{};
  distance_lengths.fill(5);
  PrefixCode literals;
  PrefixCode distances;
  literals.Build(lengths);
  distances.Build(distance_lengths);
  return Codes(in, literals, distances, out);
}

// The block's own codes, themselves sent as code lengths in a prefix code.
bool DynamicCodes(BitReader& in, Output& out) {
  const std::uint32_t literal_count = in.Take(5) + 257;
  const std::uint32_t distance_count = in.Take(5) + 1;
  const std::uint32_t length_code_count = in.Take(4) + 4;
  if (literal_count > 286 || distance_count > 30) {
    return false;
  }
  constexpr std::array<std::uint8_t, 19> kLengthCodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                             11, 4,  12, 3, 13, 2, 14, 1, 15};
  std::array<std::uint8_t, 19> length_code_lengths{};
  for (std::uint32_t i = 0; i < length_code_count; ++i) {
    length_code_lengths[kLengthCodeOrder[i]] = static_cast<std::uint8_t>(in.Take(3));
  }
  PrefixCode length_code;
  if (!length_code.Build(length_code_lengths)) {
    return false;
  }
  std::array<std::uint8_t, 286 + 30> lengths{};
  const std::uint32_t total = literal_count + distance_count;
  for (std::uint32_t i = 0; i < total;) {
    const unsigned symbol = length_code.Decode(in);
    if (symbol > 18) {
      return false;
    }
    if (symbol < 16) {
      lengths[i++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t repeated = 0;
    std::uint32_t times = 0;
    if (symbol == 16) {
      if (i == 0) {
        return false;
      }
      repeated = lengths[i - 1];
      times = 3 + in.Take(2);
    } else {
      times = symbol == 17 ? 3 + in.Take(3) : 11 + in.Take(7);
    }
    if (times > total - i) {
      return false;
    }
    for (; times > 0; --times) {
      lengths[i++] = repeated;
    }
  }
  const std::span<const std::uint8_t> all(lengths);
  PrefixCode literals;
  PrefixCode distances;
  return lengths[kEndOfBlock] != 0 && literals.Build(all.first(literal_count)) &&
         distances.Build(all.subspan(literal_count, distance_count)) &&
         Codes(in, literals, distances, out);
}

}  // namespace

bool Inflate(std::span<const std::uint8_t> stream, std::span<std::uint8_t> unpacked) {
  // The header: deflate with a window of at most 32 KiB, a check that makes it
  // a multiple of 31, and no preset dictionary.
  if (stream.size() < 2 || (stream[0] & 0x0Fu) != 8 || (stream[0] >> 4u) > 7 ||
      (stream[0] << 8u | stream[1]) % 31 != 0 || (stream[1] & 0x20u) != 0) {
    return false;
  }
  BitReader in(stream.subspan(2));
  Output out{unpacked};
  for (bool last = false; !last;) {
    last = in.Take(1) == 1;
    bool unpacked_block = false;
    switch (in.Take(2)) {
      case 0:
        unpacked_block = Stored(in, out);
        break;
      case 1:
        unpacked_block = FixedCodes(in, out);
        break;
      case 2:
        unpacked_block = DynamicCodes(in, out);
        break;
      default:
        break;
    }
    if (!unpacked_block || in.Overran()) {
      return false;
    }
  }
  return out.written == unpacked.size();
}

}  // namespace morvane::artwork
