// Console output, the wait for Enter, the error count, and the one way a
// run stops early.
#include <iostream>
#include <string>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include "driver/common.h"

namespace {
std::ostream *gOut = nullptr;
std::istream *gIn = nullptr;
int gErrorCount = 0;
} // namespace

std::ostream &Con() { return gOut ? *gOut : std::cout; }
void SetConsole(std::ostream *out) { gOut = out; }
void SetConsoleInput(std::istream *in) { gIn = in; }

void WaitForEnter() {
  Con().flush();
  if (!gIn && !isatty(0))
    return; // nobody could press Enter: a pipe, a file or nothing at all
  std::istream &in = gIn ? *gIn : std::cin;
  std::string discarded;
  if (!std::getline(in, discarded))
    in.clear(); // no more input: go on as if Enter had been pressed
}

void CountError() { gErrorCount += 1; }
int ErrorCount() { return gErrorCount; }
void ResetErrorCount() { gErrorCount = 0; }

void ReportErrorLine(const Text &line) {
  Con() << line << '\n';
  CountError();
  WaitForEnter();
}

void StopCompiler(int status) {
  Con().flush();
  throw CompilerStop{status};
}

void RunTimeStop(int status, const Text &what) {
  Con() << "Runtime error " << status << ": " << what << '\n';
  StopCompiler(status);
}
