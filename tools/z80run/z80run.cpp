// z80run: runs a flat Z80 binary image and shows what it writes to its ports.
//
//   z80run [--tstates] [--limit N] [--load ADDR] [--start ADDR]
//          [--measure ADDR]... image.bin
//
// The image is loaded at ADDR of --load (default 0, which is where
// `objcopy -O binary` output of an `org 08000h` program begins) and run from
// the --start address (default 08000h).  Every byte written by OUT goes to
// standard output unchanged, except on the status port 0FFh; IN from the
// console port 1 reads standard input (machine.cpp says how it ends).  The run ends
// at `jp $`, `jr $` or HALT with the last byte written to the status port
// as its status (0 when none was: a run-time error of the program gives its
// number); past the --limit it ends with status 3; a bad command line or an
// unreadable image gives status 2.  Reports of the runner itself (T-states,
// timings, errors) go to standard error so they never mix with the program's
// output.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "machine.h"

namespace {

struct Options {
  bool show_tstates = false;
  uint64_t limit = 0;
  uint16_t load = 0x0000;
  uint16_t start = 0x8000;
  std::vector<uint16_t> measured;
  const char *image = nullptr;
};

const char kUsage[] =
    "usage: z80run [--tstates] [--limit N] [--load ADDR] [--start ADDR] "
    "[--measure ADDR]... image.bin\n";

int Fail(const std::string &message) {
  std::fprintf(stderr, "z80run: %s\n", message.c_str());
  return 2;
}

// Numbers as an assembler programmer writes them: 32768, 0x8000 or 08000h.
bool ParseNumber(const char *text, uint64_t max, uint64_t &value) {
  std::string s = text;
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    s = s.substr(2);
    base = 16;
  } else if (s.size() > 1 && (s.back() == 'h' || s.back() == 'H')) {
    s.pop_back();
    base = 16;
  }
  if (s.empty()) return false;
  errno = 0;
  char *end = nullptr;
  unsigned long long v = std::strtoull(s.c_str(), &end, base);
  if (errno != 0 || *end != '\0' || s[0] == '-' || s[0] == '+' || v > max) return false;
  value = v;
  return true;
}

bool ParseAddress(const char *text, uint16_t &address) {
  uint64_t v = 0;
  if (!ParseNumber(text, 0xffff, v)) return false;
  address = static_cast<uint16_t>(v);
  return true;
}

// Returns 0 when the options are usable, else the exit status to end with.
int ParseOptions(int argc, char **argv, Options &options) {
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "--tstates") {
      options.show_tstates = true;
    } else if (arg == "--limit" && has_value) {
      if (!ParseNumber(argv[++i], UINT64_MAX, options.limit) || options.limit == 0)
        return Fail("--limit wants a positive number of T-states, not '" +
                    std::string(argv[i]) + "'");
    } else if ((arg == "--load" || arg == "--start" || arg == "--measure") && has_value) {
      uint16_t address = 0;
      if (!ParseAddress(argv[++i], address))
        return Fail(arg + " wants an address from 0 to 0FFFFh, not '" +
                    std::string(argv[i]) + "'");
      if (arg == "--load") options.load = address;
      if (arg == "--start") options.start = address;
      if (arg == "--measure") options.measured.push_back(address);
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fputs(kUsage, stderr);
      return Fail("unknown or incomplete option '" + arg + "'");
    } else if (options.image) {
      std::fputs(kUsage, stderr);
      return Fail("only one image file may be given");
    } else {
      options.image = argv[i];
    }
  }
  if (!options.image) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return 0;
}

int LoadImage(Machine &machine, const Options &options) {
  std::FILE *file = std::fopen(options.image, "rb");
  if (!file)
    return Fail(std::string("cannot read '") + options.image + "': " + std::strerror(errno));
  size_t room = 65536 - options.load;
  size_t got = std::fread(machine.memory + options.load, 1, room, file);
  bool failed = std::ferror(file) != 0;
  bool too_big = !failed && got == room && std::fgetc(file) != EOF;
  std::fclose(file);
  if (failed) return Fail(std::string("cannot read '") + options.image + "'");
  if (too_big)
    return Fail(std::string("'") + options.image + "' does not fit in memory above the load address");
  return 0;
}

void ReportTimings(const Machine &machine) {
  for (const RoutineTiming &t : machine.timings) {
    if (t.calls == 0) {
      std::fprintf(stderr, "measure %04Xh: no calls\n", t.entry);
      continue;
    }
    std::fprintf(stderr, "measure %04Xh: calls %llu min %llu avg %.1f max %llu\n", t.entry,
                 static_cast<unsigned long long>(t.calls), static_cast<unsigned long long>(t.min),
                 static_cast<double>(t.total) / static_cast<double>(t.calls),
                 static_cast<unsigned long long>(t.max));
  }
}

}  // namespace

int main(int argc, char **argv) {
  Options options;
  if (int status = ParseOptions(argc, argv, options)) return status;

  static Machine machine;
  if (int status = LoadImage(machine, options)) return status;
  for (uint16_t entry : options.measured) {
    RoutineTiming timing;
    timing.entry = entry;
    machine.timings.push_back(timing);
  }
  if (!MachineCreate(machine)) return Fail("cannot create the Z80 emulation");

  StopReason reason = MachineRun(machine, options.start, options.limit);
  MachineDestroy(machine);
  std::fflush(stdout);

  ReportTimings(machine);
  if (options.show_tstates)
    std::fprintf(stderr, "tstates: %llu\n", static_cast<unsigned long long>(machine.tstates));
  if (reason == StopReason::TStateLimit) {
    std::fprintf(stderr, "z80run: T-state limit %llu exceeded\n",
                 static_cast<unsigned long long>(options.limit));
    return 3;
  }
  if (machine.status != 0)
    std::fprintf(stderr, "z80run: the program ended with status %d\n", machine.status);
  return machine.status;
}
