// Console output, the wait for Enter, and the one way a run stops early.
#include <iostream>
#include <string>

#include "driver/common.h"

namespace {
std::ostream *gOut = nullptr;
std::istream *gIn = nullptr;
} // namespace

std::ostream &Con() { return gOut ? *gOut : std::cout; }
void SetConsole(std::ostream *out) { gOut = out; }
void SetConsoleInput(std::istream *in) { gIn = in; }

void WaitForEnter() {
  Con().flush();
  std::istream &in = gIn ? *gIn : std::cin;
  std::string discarded;
  if (!std::getline(in, discarded))
    in.clear(); // no more input: go on as if Enter had been pressed
}

void StopCompiler(int status) {
  Con().flush();
  throw CompilerStop{status};
}

void RunTimeStop(int status, const Text &what) {
  Con() << "Runtime error " << status << ": " << what << '\n';
  StopCompiler(status);
}
