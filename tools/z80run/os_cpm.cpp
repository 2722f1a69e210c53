// CP/M 2.2 as a program sees it: page zero with the warm-boot jump at 0000h
// and the BDOS jump at 0005h, whose target (the word at 0006h) is also the
// top of the memory the program may use.  Only the BDOS console functions
// are answered; the console is the runner's standard input and output.
#include <z80ex.h>

#include "machine.h"

namespace {

// A 64K system: BDOS entry at 0E406h, BIOS jump table at 0F200h.
constexpr uint16_t kBdosEntry = 0xe406;
constexpr uint16_t kBios = 0xf200;

// Keyboard input from standard input: the host's line end is the Enter key
// (0Dh), a CR before it is dropped, a last line without a line end gets
// one, and after the end every key is Ctrl-Z (1Ah).
int NextInputByte(Machine &machine) {
  int c = std::fgetc(machine.input);
  while (c == '\r') c = std::fgetc(machine.input);
  return c;
}

uint8_t ReadKey(Machine &machine, bool &line_open) {
  int c = NextInputByte(machine);
  if (c == EOF) {
    bool open = line_open;
    line_open = false;
    return open ? 0x0d : 0x1a;
  }
  line_open = c != '\n';
  return c == '\n' ? 0x0d : static_cast<uint8_t>(c);
}

// Function 10: the line goes to the buffer at de (maximum length, count,
// characters) without its line end; a full buffer ends the call as CP/M
// 2.2 does, leaving the rest for the next read.  At the end of the input
// the line is a single Ctrl-Z, which is how a CP/M user ends typed input.
void ReadBuffer(Machine &machine, uint16_t de, bool &line_open) {
  uint8_t room = machine.memory[de];
  uint8_t count = 0;
  while (count < room) {
    int c = NextInputByte(machine);
    if (c == EOF) {
      if (count == 0 && !line_open) machine.memory[static_cast<uint16_t>(de + 2 + count++)] = 0x1a;
      line_open = false;
      break;
    }
    line_open = c != '\n';
    if (c == '\n') break;
    machine.memory[static_cast<uint16_t>(de + 2 + count++)] = static_cast<uint8_t>(c);
  }
  machine.memory[static_cast<uint16_t>(de + 1)] = count;
}

// Function 9: the text at de up to its '$'.
bool PrintString(Machine &machine, uint16_t de) {
  for (int n = 0; n < 65536; n++) {
    uint8_t c = machine.memory[static_cast<uint16_t>(de + n)];
    if (c == '$') return true;
    std::fputc(c, machine.console);
  }
  return false;
}

void SetResult(Machine &machine, uint16_t value) {
  z80ex_set_reg(machine.cpu, regHL, value);
  uint16_t af = z80ex_get_reg(machine.cpu, regAF);
  z80ex_set_reg(machine.cpu, regAF, static_cast<uint16_t>((value & 0xff) << 8 | (af & 0xff)));
  uint16_t bc = z80ex_get_reg(machine.cpu, regBC);
  z80ex_set_reg(machine.cpu, regBC, static_cast<uint16_t>((value & 0xff00) | (bc & 0xff)));
}

// One BDOS call; false for a function the runner does not answer.
bool Bdos(Machine &machine, bool &stop, StopReason &reason) {
  uint8_t function = z80ex_get_reg(machine.cpu, regBC) & 0xff;
  uint16_t de = z80ex_get_reg(machine.cpu, regDE);
  uint8_t e = de & 0xff;
  switch (function) {
    case 0:
      stop = true;
      reason = StopReason::WarmBoot;
      return true;
    case 1:
      SetResult(machine, ReadKey(machine, machine.os.input_line_open));
      return true;
    case 2:
      std::fputc(e, machine.console);
      return true;
    case 6:
      if (e == 0xff)
        SetResult(machine, ReadKey(machine, machine.os.input_line_open));
      else if (e == 0xfe)
        SetResult(machine, std::feof(machine.input) ? 0 : 0xff);
      else
        std::fputc(e, machine.console);
      return true;
    case 9:
      if (!PrintString(machine, de)) {
        machine.os.problem = "BDOS function 9 found no '$' ending the text";
        stop = true;
        reason = StopReason::Unemulated;
      }
      return true;
    case 10:
      ReadBuffer(machine, de, machine.os.input_line_open);
      return true;
    case 11:
      SetResult(machine, std::feof(machine.input) ? 0 : 0xff);
      return true;
    case 12:
      SetResult(machine, 0x0022);
      return true;
    case 108:
      if (de == 0xffff)
        SetResult(machine, machine.os.return_code);
      else
        machine.os.return_code = de;
      return true;
    default:
      return false;
  }
}

}  // namespace

void CpmPrepare(Machine &machine) {
  uint8_t *m = machine.memory;
  m[0x0000] = 0xc3;  // jp BIOS warm boot
  m[0x0001] = (kBios + 3) & 0xff;
  m[0x0002] = (kBios + 3) >> 8;
  m[0x0005] = 0xc3;  // jp BDOS
  m[0x0006] = kBdosEntry & 0xff;
  m[0x0007] = kBdosEntry >> 8;
  for (uint16_t fcb : {0x005c, 0x006c})
    for (int i = 1; i <= 11; i++) m[fcb + i] = ' ';
  m[kBdosEntry] = 0xc9;
  // The program starts with a return to the warm boot on its stack, so a
  // plain RET ends it too.
  uint16_t sp = kBdosEntry - 2;
  m[sp] = 0;
  m[sp + 1] = 0;
  z80ex_set_reg(machine.cpu, regSP, sp);
  machine.os.input_line_open = false;
}

uint16_t CpmMemoryTop() { return kBdosEntry; }

bool CpmEntry(Machine &machine, uint16_t pc, bool &stop, StopReason &reason) {
  if (pc == 0x0000 || pc == kBios + 3) {
    stop = true;
    reason = StopReason::WarmBoot;
    return true;
  }
  if (pc == kBdosEntry) {
    if (!Bdos(machine, stop, reason)) {
      machine.os.problem = "BDOS function " +
                           std::to_string(z80ex_get_reg(machine.cpu, regBC) & 0xff) +
                           " is not emulated (only the console functions 1, 2, 6, 9, 10, 11, 12 and 108 are)";
      stop = true;
      reason = StopReason::Unemulated;
      return true;
    }
    if (!stop) ReturnFromCall(machine);
    return true;
  }
  if (pc >= kBios && pc < kBios + 0x33) {
    machine.os.problem = "the BIOS entry at " + HexAddress(pc) + " is not emulated";
    stop = true;
    reason = StopReason::Unemulated;
    return true;
  }
  return false;
}
