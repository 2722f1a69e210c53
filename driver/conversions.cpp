// Number and text conversions shared by every phase.
#include <fstream>
#include <filesystem>

#include "driver/common.h"
#include "lexer/lexer.h"

Text CutText(const Text &t, size_t limit) {
  return t.size() > limit ? t.substr(0, limit) : t;
}

// Digits are taken as "0".."9", then letters counting from 10 whatever
// their case, so lower-case identifier letters beyond "f" count 16 to 35.
// Only the first 101 characters are looked at.
uint32_t HexValue(const Text &t) {
  uint64_t value = 0;
  size_t n = t.size() > 101 ? 101 : t.size();
  for (size_t i = 0; i < n; i++) {
    int digit = static_cast<unsigned char>(t[i]) - 48;
    if (digit > 9)
      digit -= 7;
    if (digit > 15)
      digit -= 32;
    if (digit < 0)
      RunTimeStop(kStopLimit, "invalid hexadecimal digit in \"" + t + "\"");
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull)
      RunTimeStop(kStopLimit, "hexadecimal number \"" + t + "\" exceeds 32 bits");
  }
  return static_cast<uint32_t>(value);
}

// Wraps around in 64 bits without any test, as a two's-complement register
// would.  A leading "-" (the value of a negative constant) negates.
int64_t DecimalValue(const Text &t) {
  bool negative = !t.empty() && t[0] == '-';
  uint64_t value = 0;
  for (size_t i = negative ? 1 : 0; i < t.size(); i++)
    value = value * 10 + static_cast<uint64_t>(static_cast<int64_t>(
                             static_cast<unsigned char>(t[i])) - 48);
  return static_cast<int64_t>(negative ? 0 - value : value);
}

Text DecimalText(int64_t v) {
  // Work on the unsigned magnitude so the most negative value keeps its digits.
  uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  Text digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  return v < 0 ? "-" + digits : digits;
}

Text PositionText(const SourcePos &p) {
  if (!p.fileName)
    return "<unknown>";
  return CutText(HeapTextOrEmpty(p.fileName) + "(" + DecimalText(p.line) + "," +
                 DecimalText(p.column) + ")");
}

// Only a regular file counts: a FIFO or a device is never opened.
bool FileReadable(const Text &name) {
  if (name.empty() || !IsRegularFile(name))
    return false;
  std::ifstream f(name);
  return f.is_open();
}

Text CharText(char c) { return Text(1, c); }
