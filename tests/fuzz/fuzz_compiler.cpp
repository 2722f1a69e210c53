// libFuzzer target: compiles each input in-process in both modes, first
// the default mode, then the optimizing mode (-O).
//
// The input is a main source file, optionally followed by the marker "\n@@\n"
// and the text of an include file "inc.inc" that the main file may include
// with {$i inc.inc}.  Every run starts from reset phase tables and a fresh
// arena; compiler stops arrive as CompilerStop and end only the run.
//
// With TARNWICK_FUZZ_TWICE set in the environment both modes run twice
// (default, -O, default, -O) and each mode's two console outputs, exit
// statuses and .asm files must be equal: a difference means some phase kept
// state from the run before (an -O run's state could leak into the default
// run after it), and the target aborts so libFuzzer saves the input.
#include <cctype>
#include <cstdlib>
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

std::string ReadText(const char *name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A file that includes itself, directly or through the other file, is read
// again at every level up to the 255 open files: one such input costs as
// much as hundreds of others and reaches nothing new (the limit has its own
// test), so the target passes over every input where a file could, and
// libFuzzer keeps none in the corpus.
bool Names(const std::string &text, const char *name) {
  std::string lower(text);
  for (char &c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find(name) != std::string::npos;
}

struct RunResult {
  int status;
  std::string console;
  std::string asmText;
};

RunResult CompileOnce(bool optimize) {
  std::remove("main.asm");
  std::ostringstream console;
  std::istringstream noInput;
  SetConsole(&console);
  SetConsoleInput(&noInput);
  const char *defaultArgv[] = {"tarnwick", "main.pas"};
  const char *optimizeArgv[] = {"tarnwick", "-O", "main.pas"};
  int status = optimize ? RunCompiler(3, optimizeArgv) : RunCompiler(2, defaultArgv);
  SetConsole(nullptr);
  SetConsoleInput(nullptr);
  ArenaReset();
  return {status, console.str(), ReadText("main.asm")};
}

bool SameResult(const RunResult &first, const RunResult &second) {
  return first.status == second.status && first.console == second.console &&
         first.asmText == second.asmText;
}

void ReportLeak(const char *mode, const RunResult &first, const RunResult &second) {
  std::printf("state leak: the second run of the same input in the %s mode differs\n"
              "status %d / %d\n--- first console ---\n%s\n--- second console ---\n%s\n",
              mode, first.status, second.status, first.console.c_str(), second.console.c_str());
  if (first.asmText != second.asmText)
    std::printf("(the .asm files differ too)\n");
  std::fflush(stdout);
  std::abort();
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
  if (Names(includeText, "inc.inc") || Names(includeText, "main.pas") ||
      Names(mainText, "main.pas"))
    return -1;
  WriteText("main.pas", mainText);
  WriteText("inc.inc", includeText);

  static const bool twice = std::getenv("TARNWICK_FUZZ_TWICE") != nullptr;
  RunResult firstDefault = CompileOnce(false);
  RunResult firstOptimized = CompileOnce(true);
  if (twice) {
    RunResult secondDefault = CompileOnce(false);
    if (!SameResult(firstDefault, secondDefault))
      ReportLeak("default", firstDefault, secondDefault);
    RunResult secondOptimized = CompileOnce(true);
    if (!SameResult(firstOptimized, secondOptimized))
      ReportLeak("optimizing", firstOptimized, secondOptimized);
  }
  return 0;
}
