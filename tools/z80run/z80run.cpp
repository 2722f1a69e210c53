// z80run: runs a Z80 program and shows what it writes to its console.
//
//   z80run [--machine flat|cpm|zx] [--tstates] [--limit N] [--load ADDR]
//          [--start ADDR] [--measure ADDR]... image
//
// --machine flat (the default): a flat binary image is loaded at ADDR of
// --load (default 0, which is where `objcopy -O binary` output of an
// `org 08000h` program begins) and run from the --start address (default
// 08000h).  Every byte written by OUT goes to standard output unchanged,
// except on the status port 0FFh; IN from the console port 1 reads standard
// input (machine.cpp says how it ends).
//
// --machine cpm: a .COM file is loaded and started at 0100h under an
// emulated CP/M 2.2 of which only the entry points exist (os_cpm.cpp): BDOS
// console calls at 0005h read standard input and write standard output,
// and the run ends at the warm boot (jp 0, BDOS function 0, or a RET from
// the program).  A CP/M 3 program return code from BDOS function 108 of
// 0FF00h and above gives its low byte as the status.
//
// --machine zx: a code block is loaded and started at 08000h (or --load,
// --start) as RANDOMIZE USR starts it on a 48K Spectrum of which only the
// ROM's entry points exist (os_zx.cpp): RST 10h prints in the ROM's
// character set, the Spectrum's line end 0Dh written as "\n", CHAN-OPEN at
// 1601h is accepted, and the run ends at the RET to BASIC, where USR's
// value (bc) below 256 gives the status.
//
// On every machine the last byte written to the status port 0FFh is the
// run's status (0 when none was: a run-time error of the program gives its
// number); `jp $`, `jr $` and HALT end a run; past the --limit it ends with
// status 3; a bad command line, an unreadable or too large image, or a call
// of a system routine the runner does not emulate gives status 2.  Reports
// of the runner itself (T-states, timings, errors) go to standard error so
// they never mix with the program's output.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "machine.h"

namespace {

struct Options {
  MachineKind kind = MachineKind::Flat;
  bool show_tstates = false;
  uint64_t limit = 0;
  bool load_given = false;
  bool start_given = false;
  uint16_t load = 0x0000;
  uint16_t start = 0x8000;
  std::vector<uint16_t> measured;
  const char *image = nullptr;
};

const char kUsage[] =
    "usage: z80run [--machine flat|cpm|zx] [--tstates] [--limit N] [--load ADDR]\n"
    "              [--start ADDR] [--measure ADDR]... image\n"
    "machines: flat  image at --load (0), run from --start (08000h), OUT is the console\n"
    "          cpm   .COM at 0100h; only CP/M's entry points are emulated: BDOS console\n"
    "                calls at 0005h, the end at the warm boot (jp 0)\n"
    "          zx    code block at 08000h; only the 48K ROM's entry points are emulated:\n"
    "                RST 10h printing (0Dh shown as a line end), CHAN-OPEN at 1601h,\n"
    "                the end at the RET to BASIC (USR's value below 256 is the status)\n";

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

// A .COM file lives at 0100h, a Spectrum code block at 08000h, and both
// start at their first byte.
void SetMachineDefaults(Options &options) {
  if (options.kind == MachineKind::Flat) return;
  if (!options.load_given) options.load = options.kind == MachineKind::Cpm ? 0x0100 : 0x8000;
  if (!options.start_given) options.start = options.load;
}

// Returns 0 when the options are usable, else the exit status to end with.
int ParseOptions(int argc, char **argv, Options &options) {
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "--machine" && has_value) {
      std::string name = argv[++i];
      if (name == "flat")
        options.kind = MachineKind::Flat;
      else if (name == "cpm")
        options.kind = MachineKind::Cpm;
      else if (name == "zx")
        options.kind = MachineKind::Zx;
      else
        return Fail("--machine wants flat, cpm or zx, not '" + name + "'");
    } else if (arg == "--tstates") {
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
      if (arg == "--load") options.load = address, options.load_given = true;
      if (arg == "--start") options.start = address, options.start_given = true;
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
  SetMachineDefaults(options);
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
  if (options.kind == MachineKind::Cpm && options.load + got > CpmMemoryTop()) {
    char limits[80];
    std::snprintf(limits, sizeof limits, ": %zu bytes from %04Xh pass the BDOS entry at %04Xh",
                  got, options.load, CpmMemoryTop());
    return Fail(std::string("'") + options.image + "' does not fit below the BDOS" + limits);
  }
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
  machine.kind = options.kind;
  if (!MachineCreate(machine)) return Fail("cannot create the Z80 emulation");
  if (options.kind == MachineKind::Cpm) CpmPrepare(machine);
  if (options.kind == MachineKind::Zx) ZxPrepare(machine);

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
  if (reason == StopReason::Unemulated) {
    std::fprintf(stderr, "z80run: %s\n", machine.os.problem.c_str());
    return 2;
  }
  // CP/M 3 counts return codes from 0FF00h up as failures.
  if (machine.status == 0 && machine.os.return_code >= 0xff00)
    machine.status = static_cast<uint8_t>(machine.os.return_code);
  if (machine.status != 0)
    std::fprintf(stderr, "z80run: the program ended with status %d\n", machine.status);
  return machine.status;
}
