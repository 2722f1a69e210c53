// Text files read line by line: the sources and the run-time library.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "driver/common.h"

void OpenTextFile(std::ifstream &file, const Text &name) {
  std::error_code ec;
  if (name.empty() || !std::filesystem::exists(name, ec))
    RunTimeStop(kStopFileNotFound, "file not found: " + name);
  if (!std::filesystem::is_directory(name, ec))
    file.open(name, std::ios::binary);
  if (!file.is_open())
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
}

// The buffer is read directly, for speed; it throws on a read error.
static bool ReadLineFromBuffer(std::streambuf *buf, Text &line) {
  line.clear();
  int c = buf->sbumpc();
  if (c == std::char_traits<char>::eof())
    return false;
  while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
    if (line.size() < kMaxText)
      line.push_back(static_cast<char>(c));
    c = buf->sbumpc();
  }
  if (c == '\r' && buf->sgetc() == '\n')
    buf->sbumpc();
  return true;
}

bool ReadTextLine(std::ifstream &file, Text &line, const Text &name) {
  try {
    if (ReadLineFromBuffer(file.rdbuf(), line))
      return true;
  } catch (const std::ios_base::failure &) {
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
  }
  if (file.bad())
    RunTimeStop(kStopFileUnreadable, "cannot read file: " + name);
  return false;
}
