// The emulated machine behind z80run: 64K of RAM, a Z80 from libz80ex, a
// console that receives every byte an OUT instruction writes, and the
// status port 0FFh, whose last byte becomes the run's exit status.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct _z80_cpu_context;

// A program reports how it ended on this port (the low byte of the port
// address): the run-time library writes the number of a run-time error
// there before it parks.  Nothing written there reaches the console.
constexpr uint8_t kStatusPort = 0xff;

// The console: IN from this port reads standard input (Machine::input).
constexpr uint8_t kConsolePort = 1;

// Why a run ended.
enum class StopReason { JumpToSelf, Halt, TStateLimit };

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
// jr $), executes HALT, or has used more than `limit` T-states (0: no limit).
StopReason MachineRun(Machine &machine, uint16_t start, uint64_t limit);
