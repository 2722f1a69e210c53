// The emulated machine behind z80run: 64K of RAM, a Z80 from libz80ex, a
// console that receives every byte an OUT instruction writes, and the
// status port 0FFh, whose last byte becomes the run's exit status.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct _z80_cpu_context;

// A program reports how it ended on this port (the low byte of the port
// address): the run-time library writes the number of a run-time error
// there before it parks.  Nothing written there reaches the console.
constexpr uint8_t kStatusPort = 0xff;

// The console: IN from this port reads standard input (Machine::input).
constexpr uint8_t kConsolePort = 1;

// Why a run ended.  The last three belong to the CP/M and Spectrum machines
// (os_cpm.cpp, os_zx.cpp): CP/M's warm boot, the return to BASIC, and a
// call of an operating-system entry the runner does not emulate.
enum class StopReason { JumpToSelf, Halt, TStateLimit, WarmBoot, ReturnToBasic, Unemulated };

// What surrounds the program: the flat machine is bare RAM with the console
// port; the others emulate only the entry points of CP/M 2.2 or of the
// 48K Spectrum ROM that a program calls.
enum class MachineKind { Flat, Cpm, Zx };

// State of the emulated operating system.
struct OsState {
  // CP/M: the program return code set through BDOS function 108 (0 when none).
  uint16_t return_code = 0;
  // CP/M: whether the last key read began a line not yet ended.
  bool input_line_open = false;
  // Spectrum: the stack pointer at the entry, with BASIC's return on top.
  uint16_t basic_stack = 0;
  // Spectrum: print position and the parameter bytes still owed to a
  // control code (INK, AT, TAB ...), whose code is kept in `control`.
  int column = 0;
  int params_owed = 0;
  uint8_t control = 0;
  uint8_t first_param = 0;
  uint8_t last_code = 0;
  // Why the run stopped at an entry point, for the runner's report.
  std::string problem;
};

// Per-routine timing gathered for --measure: the T-states from the first
// instruction of the routine up to the moment control is back at the return
// address that was on the stack at entry (the CALL itself is not counted).
struct RoutineTiming {
  uint16_t entry = 0;
  uint64_t calls = 0;
  uint64_t total = 0;
  uint64_t min = 0;
  uint64_t max = 0;
};

struct Machine {
  uint8_t memory[65536] = {};
  std::FILE *console = stdout;
  std::FILE *input = stdin;
  // The last byte read from the input (-1 before the first), and whether
  // the input has ended.
  int lastInput = -1;
  bool inputEnded = false;
  _z80_cpu_context *cpu = nullptr;
  uint64_t tstates = 0;
  // The last byte written to the status port (0 when none was).
  uint8_t status = 0;
  std::vector<RoutineTiming> timings;
  MachineKind kind = MachineKind::Flat;
  OsState os;

  // Calls of measured routines that have not returned yet.
  struct PendingCall {
    size_t timing;
    uint16_t return_address;
    uint16_t stack_pointer;
    uint64_t start;
  };
  std::vector<PendingCall> pending;
};

// Creates the CPU of the machine; false when libz80ex cannot make one.
bool MachineCreate(Machine &machine);
void MachineDestroy(Machine &machine);

// Runs from the address `start` until the program loops on itself (jp $ or
// jr $), executes HALT, has used more than `limit` T-states (0: no limit),
// or leaves for its operating system (CP/M and Spectrum machines).
StopReason MachineRun(Machine &machine, uint16_t start, uint64_t limit);

// An address as the runner's messages write it: 0E406h is "E406h".
std::string HexAddress(uint16_t address);

// Pops the return address of a call into an emulated routine and goes there.
void ReturnFromCall(Machine &machine);

// The operating systems: Prepare fills page zero or the ROM's part before
// the run and sets the stack; Entry answers a call when `pc` is one of the
// system's entry points (true), setting `reason` when the run must stop.
void CpmPrepare(Machine &machine);
// The BDOS entry, the word at 0006h: a .COM file must end below it.
uint16_t CpmMemoryTop();
bool CpmEntry(Machine &machine, uint16_t pc, bool &stop, StopReason &reason);
void ZxPrepare(Machine &machine);
bool ZxEntry(Machine &machine, uint16_t pc, bool &stop, StopReason &reason);
