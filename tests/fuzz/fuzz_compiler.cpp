// libFuzzer target: one compiler run per input, in-process.
//
// The input is a main source file, optionally followed by the marker "\n@@\n"
// and the text of an include file "inc.inc" that the main file may include
// with {$i inc.inc}.  Every run starts from reset phase tables and a fresh
// arena; compiler stops arrive as CompilerStop and end only the run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "driver/common.h"

namespace {
std::filesystem::path WorkDir() {
  static std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() /
             ("tarnwick_fuzz_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    std::filesystem::current_path(d);
    std::ofstream("system_z80lib.asm") << "; run-time library\n";
    return d;
  }();
  return dir;
}

void WriteText(const char *name, const std::string &text) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  WorkDir();
  std::string input(reinterpret_cast<const char *>(data), size);
  std::string mainText = input, includeText;
  size_t marker = input.find("\n@@\n");
  if (marker != std::string::npos) {
    mainText = input.substr(0, marker);
    includeText = input.substr(marker + 4);
  }
  WriteText("main.pas", mainText);
  WriteText("inc.inc", includeText);

  std::ostringstream console;
  std::istringstream noInput;
  SetConsole(&console);
  SetConsoleInput(&noInput);
  const char *argv[] = {"tarnwick", "main.pas"};
  RunCompiler(2, argv);
  SetConsole(nullptr);
  SetConsoleInput(nullptr);
  ArenaReset();
  return 0;
}
