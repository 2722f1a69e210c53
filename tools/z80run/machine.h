// The emulated machine behind z80run: 64K of RAM, a Z80 from libz80ex, and a
// console that receives every byte any OUT instruction writes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct _z80_cpu_context;

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
  _z80_cpu_context *cpu = nullptr;
  uint64_t tstates = 0;
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
