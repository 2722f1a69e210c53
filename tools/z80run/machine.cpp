// Emulation loop of z80run.  libz80ex does the instruction work; this file
// supplies memory and ports and decides when a program has finished.
#include "machine.h"

#include <z80ex.h>

namespace {

Z80EX_BYTE ReadMemory(Z80EX_CONTEXT *, Z80EX_WORD addr, int, void *user) {
  return static_cast<Machine *>(user)->memory[addr];
}

// The Spectrum's first 16K are its ROM: writes there are lost.
void WriteMemory(Z80EX_CONTEXT *, Z80EX_WORD addr, Z80EX_BYTE value, void *user) {
  Machine *machine = static_cast<Machine *>(user);
  if (machine->kind == MachineKind::Zx && addr < 0x4000) return;
  machine->memory[addr] = value;
}

// The console port reads standard input, one byte per IN.  At the end of
// the input a last line that has no line end gets one, and from then on
// every read gives 26 (Ctrl-Z).  Other ports, and every port of the CP/M
// and Spectrum machines, see a floating bus.
Z80EX_BYTE ReadPort(Z80EX_CONTEXT *, Z80EX_WORD port, void *user) {
  Machine *machine = static_cast<Machine *>(user);
  if ((port & 0xff) != kConsolePort || machine->kind != MachineKind::Flat) return 0xff;
  int c = machine->inputEnded ? EOF : std::fgetc(machine->input);
  if (c == EOF) {
    machine->inputEnded = true;
    bool lineOpen = machine->lastInput != -1 && machine->lastInput != '\n';
    machine->lastInput = '\n';
    return lineOpen ? '\n' : 26;
  }
  machine->lastInput = c;
  return static_cast<Z80EX_BYTE>(c);
}

// On the flat machine every port but the status port is the console, so the
// program may use any OUT form.  CP/M and Spectrum programs reach the
// console through their system only; the status port stays for all three.
void WritePort(Z80EX_CONTEXT *, Z80EX_WORD port, Z80EX_BYTE value, void *user) {
  Machine *machine = static_cast<Machine *>(user);
  if ((port & 0xff) == kStatusPort)
    machine->status = value;
  else if (machine->kind == MachineKind::Flat)
    std::fputc(value, machine->console);
}

Z80EX_BYTE ReadInterruptVector(Z80EX_CONTEXT *, void *) { return 0xff; }

uint16_t ReadWord(const Machine &machine, uint16_t addr) {
  return static_cast<uint16_t>(machine.memory[addr] |
                               machine.memory[static_cast<uint16_t>(addr + 1)] << 8);
}

// jp $ (C3 with its own address) and jr $ (18 FE) are how a program parks
// itself once it is done.
bool IsJumpToSelf(const Machine &machine, uint16_t pc) {
  uint8_t op = machine.memory[pc];
  if (op == 0xc3) return ReadWord(machine, static_cast<uint16_t>(pc + 1)) == pc;
  return op == 0x18 && machine.memory[static_cast<uint16_t>(pc + 1)] == 0xfe;
}

void FinishCall(Machine &machine, const Machine::PendingCall &call) {
  RoutineTiming &t = machine.timings[call.timing];
  uint64_t spent = machine.tstates - call.start;
  if (t.calls == 0 || spent < t.min) t.min = spent;
  if (spent > t.max) t.max = spent;
  t.total += spent;
  t.calls++;
}

// A call is over when control reaches the return address it had at entry.
// Measured routines that were entered by falling through from another one
// share that return address and stack pointer, so they end together.
void NoteReturns(Machine &machine, uint16_t pc) {
  size_t latest = machine.pending.size();
  for (size_t i = 0; i < machine.pending.size(); i++)
    if (machine.pending[i].return_address == pc) latest = i;
  if (latest == machine.pending.size()) return;
  uint16_t sp = machine.pending[latest].stack_pointer;
  for (size_t i = machine.pending.size(); i-- > 0;) {
    Machine::PendingCall call = machine.pending[i];
    if (call.return_address != pc || call.stack_pointer != sp) continue;
    FinishCall(machine, call);
    machine.pending.erase(machine.pending.begin() + static_cast<long>(i));
  }
}

void NoteEntries(Machine &machine, uint16_t pc) {
  for (size_t i = 0; i < machine.timings.size(); i++) {
    if (machine.timings[i].entry != pc) continue;
    uint16_t sp = z80ex_get_reg(machine.cpu, regSP);
    machine.pending.push_back({i, ReadWord(machine, sp), sp, machine.tstates});
  }
}

// One whole instruction: libz80ex steps over prefixes separately.
void StepInstruction(Machine &machine) {
  do {
    machine.tstates += static_cast<uint64_t>(z80ex_step(machine.cpu));
  } while (z80ex_last_op_type(machine.cpu) != 0);
}

// Answers a call of the operating system when pc is at one of its entries.
bool AtSystemEntry(Machine &machine, uint16_t pc, bool &stop, StopReason &reason) {
  if (machine.kind == MachineKind::Cpm) return CpmEntry(machine, pc, stop, reason);
  if (machine.kind == MachineKind::Zx) return ZxEntry(machine, pc, stop, reason);
  return false;
}

}  // namespace

bool MachineCreate(Machine &machine) {
  machine.cpu = z80ex_create(ReadMemory, &machine, WriteMemory, &machine, ReadPort, &machine,
                             WritePort, &machine, ReadInterruptVector, &machine);
  return machine.cpu != nullptr;
}

void MachineDestroy(Machine &machine) {
  if (machine.cpu) z80ex_destroy(machine.cpu);
  machine.cpu = nullptr;
}

std::string HexAddress(uint16_t address) {
  char text[8];
  std::snprintf(text, sizeof text, "%04Xh", address);
  return text;
}

// Costs what the RET at the end of the real routine would.
void ReturnFromCall(Machine &machine) {
  uint16_t sp = z80ex_get_reg(machine.cpu, regSP);
  z80ex_set_reg(machine.cpu, regPC, ReadWord(machine, sp));
  z80ex_set_reg(machine.cpu, regSP, static_cast<uint16_t>(sp + 2));
  machine.tstates += 10;
}

StopReason MachineRun(Machine &machine, uint16_t start, uint64_t limit) {
  z80ex_set_reg(machine.cpu, regPC, start);
  for (;;) {
    uint16_t pc = z80ex_get_reg(machine.cpu, regPC);
    bool stop = false;
    StopReason reason = StopReason::JumpToSelf;
    if (AtSystemEntry(machine, pc, stop, reason)) {
      if (stop) return reason;
      continue;
    }
    if (!machine.pending.empty()) NoteReturns(machine, pc);
    if (IsJumpToSelf(machine, pc)) return StopReason::JumpToSelf;
    if (machine.memory[pc] == 0x76) return StopReason::Halt;
    if (limit != 0 && machine.tstates > limit) return StopReason::TStateLimit;
    if (!machine.timings.empty()) NoteEntries(machine, pc);
    StepInstruction(machine);
  }
}
