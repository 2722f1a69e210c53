// Text files read line by line: the sources and the run-time library.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "driver/common.h"

// Follows links: a link to a regular file is read like the file.
bool IsRegularFile(const Text &name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(name, ec);
}

// The type is tested before the open: opening a FIFO could block for ever.
void OpenTextFile(std::ifstream &file, const Text &name) {
  std::error_code ec;
  if (name.empty() || !std::filesystem::exists(name, ec))
    RunTimeStop(kStopFileNotFound, "file not found: " + name);
  if (!IsRegularFile(name))
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name + " (not a regular file)");
  file.open(name, std::ios::binary);
  if (!file.is_open())
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
}

// The buffer is read directly, for speed; it throws on a read error.  The
// result is the line's whole length, also past the characters kept.
static size_t ReadLineFromBuffer(std::streambuf *buf, Text &line, bool &atEnd) {
  line.clear();
  int c = buf->sbumpc();
  atEnd = c == std::char_traits<char>::eof();
  size_t length = 0;
  while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
    if (++length > kMaxLineLength)
      return length;
    if (line.size() < kMaxText)
      line.push_back(static_cast<char>(c));
    c = buf->sbumpc();
  }
  if (c == '\r' && buf->sgetc() == '\n')
    buf->sbumpc();
  return length;
}

bool ReadTextLine(std::ifstream &file, Text &line, const Text &name, int32_t lineNumber) {
  bool atEnd = false;
  size_t length = 0;
  try {
    length = ReadLineFromBuffer(file.rdbuf(), line, atEnd);
  } catch (const std::ios_base::failure &) {
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
  }
  if (length > kMaxLineLength)
    RunTimeStop(kStopLimit, "line " + DecimalText(lineNumber) + " of " + name +
                                " is longer than " + DecimalText(kMaxLineLength) +
                                " characters");
  if (!atEnd)
    return true;
  if (file.bad())
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
  return false;
}
