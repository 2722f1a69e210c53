// The 48K Spectrum as a machine-code program started by RANDOMIZE USR sees
// it: BASIC's stack with the return into the USR routine (2D2Bh) on top,
// IY at the system variables and HL' as the calculator wants it back.  The
// runner answers RST 10h (print a character on the current channel) and
// CHAN-OPEN at 1601h (accepted, as every channel prints to standard output);
// any other ROM address ends the run.  USR's value (bc) at the return to
// BASIC, when below 256, is the run's status.
#include <z80ex.h>

#include "machine.h"

namespace {

constexpr uint16_t kPrint = 0x0010;
constexpr uint16_t kChanOpen = 0x1601;
constexpr uint16_t kUsrReturn = 0x2d2b;
constexpr uint16_t kSystemVariables = 0x5c3a;
// BASIC's value of HL', which must survive until the return to BASIC.
constexpr uint16_t kBasicHlAlt = 0x2758;
// Below RAMTOP after CLEAR 32767 (the GO SUB stack marker sits at 7FFEh).
constexpr uint16_t kBasicStackTop = 0x7ff8;

// The keywords of codes 0A5h to 0FFh, as the ROM spells them.
const char *const kTokens[] = {
    "RND", "INKEY$", "PI", "FN", "POINT", "SCREEN$", "ATTR", "AT", "TAB", "VAL$", "CODE",
    "VAL", "LEN", "SIN", "COS", "TAN", "ASN", "ACS", "ATN", "LN", "EXP", "INT", "SQR", "SGN",
    "ABS", "PEEK", "IN", "USR", "STR$", "CHR$", "NOT", "BIN", "OR", "AND", "<=", ">=", "<>",
    "LINE", "THEN", "TO", "STEP", "DEF FN", "CAT", "FORMAT", "MOVE", "ERASE", "OPEN #",
    "CLOSE #", "MERGE", "VERIFY", "BEEP", "CIRCLE", "INK", "PAPER", "FLASH", "BRIGHT",
    "INVERSE", "OVER", "OUT", "LPRINT", "LLIST", "STOP", "READ", "DATA", "RESTORE", "NEW",
    "BORDER", "CONTINUE", "DIM", "REM", "FOR", "GO TO", "GO SUB", "INPUT", "LOAD", "LIST",
    "LET", "PAUSE", "NEXT", "POKE", "PRINT", "PLOT", "RUN", "SAVE", "RANDOMIZE", "IF", "CLS",
    "DRAW", "CLEAR", "RETURN", "COPY"};

// The block graphics 80h to 8Fh: bit 0 top right, bit 1 top left, bit 2
// bottom right, bit 3 bottom left.
const char *const kBlocks[] = {" ", "\u259d", "\u2598", "\u2580", "\u2597", "\u2590",
                               "\u259a", "\u259c", "\u2596", "\u259e", "\u258c", "\u259b",
                               "\u2584", "\u259f", "\u2599", "\u2588"};

void Put(Machine &machine, const char *text, int columns) {
  std::fputs(text, machine.console);
  machine.os.column = (machine.os.column + columns) % 32;
}

void PadTo(Machine &machine, int column) {
  while (machine.os.column != column) Put(machine, " ", 1);
}

// A keyword gets a leading space from OR on (commands and operators) unless
// one was just printed, and a trailing space when it ends in a letter or $.
void PrintToken(Machine &machine, uint8_t code) {
  std::string word = kTokens[code - 0xa5];
  if (code >= 0xc5 && machine.os.last_code != ' ' && machine.os.column != 0) Put(machine, " ", 1);
  Put(machine, word.c_str(), static_cast<int>(word.size()));
  char end = word.back();
  if ((end >= 'A' && end <= 'Z') || end == '$') Put(machine, " ", 1);
}

// The parameter bytes of INK, PAPER, FLASH, BRIGHT, INVERSE, OVER (one),
// AT and TAB (two).  AT cannot move back on a text stream, so only TAB's
// column is honoured.
void TakeParameter(Machine &machine, uint8_t code) {
  OsState &os = machine.os;
  os.params_owed--;
  if (os.params_owed == 1) os.first_param = code;
  if (os.params_owed != 0) return;
  if (os.control == 0x17) PadTo(machine, os.first_param % 32);
  if (os.control == 0x16) os.column = code % 32;
}

void PrintCode(Machine &machine, uint8_t code) {
  OsState &os = machine.os;
  if (os.params_owed > 0) {
    TakeParameter(machine, code);
  } else if (code == 0x0d) {
    std::fputc('\n', machine.console);
    os.column = 0;
  } else if (code == 0x06) {
    if (os.column < 16)
      PadTo(machine, 16);
    else
      PadTo(machine, 0);
  } else if (code == 0x08) {
    if (os.column > 0) os.column--;
  } else if (code >= 0x10 && code <= 0x17) {
    os.control = code;
    os.params_owed = code >= 0x16 ? 2 : 1;
  } else if (code < 0x20) {
    Put(machine, "?", 1);
  } else if (code == 0x5e) {
    Put(machine, "\u2191", 1);
  } else if (code == 0x60) {
    Put(machine, "\u00a3", 1);
  } else if (code == 0x7f) {
    Put(machine, "\u00a9", 1);
  } else if (code < 0x80) {
    char text[2] = {static_cast<char>(code), 0};
    Put(machine, text, 1);
  } else if (code < 0x90) {
    Put(machine, kBlocks[code - 0x80], 1);
  } else if (code < 0xa5) {
    char text[2] = {static_cast<char>('A' + code - 0x90), 0};
    Put(machine, text, 1);
  } else {
    PrintToken(machine, code);
  }
  os.last_code = code;
}

bool Problem(Machine &machine, const std::string &text, bool &stop, StopReason &reason) {
  machine.os.problem = text;
  stop = true;
  reason = StopReason::Unemulated;
  return true;
}

bool IyIntact(Machine &machine) {
  return z80ex_get_reg(machine.cpu, regIY) == kSystemVariables;
}

}  // namespace

void ZxPrepare(Machine &machine) {
  uint16_t sp = kBasicStackTop - 2;
  machine.memory[sp] = kUsrReturn & 0xff;
  machine.memory[sp + 1] = kUsrReturn >> 8;
  z80ex_set_reg(machine.cpu, regSP, sp);
  z80ex_set_reg(machine.cpu, regIY, kSystemVariables);
  z80ex_set_reg(machine.cpu, regHL_, kBasicHlAlt);
  machine.os.basic_stack = sp;
  // BASIC's 23 lines by 32 columns start empty; the print position is the
  // top left.
  machine.os.column = 0;
}

bool ZxEntry(Machine &machine, uint16_t pc, bool &stop, StopReason &reason) {
  if (pc >= 0x4000) return false;
  if (pc == kPrint) {
    if (!IyIntact(machine))
      return Problem(machine, "RST 10h with IY not at the system variables (5C3Ah)", stop, reason);
    PrintCode(machine, static_cast<uint8_t>(z80ex_get_reg(machine.cpu, regAF) >> 8));
    ReturnFromCall(machine);
    return true;
  }
  if (pc == kChanOpen) {
    ReturnFromCall(machine);
    return true;
  }
  if (pc == kUsrReturn) {
    uint16_t sp = z80ex_get_reg(machine.cpu, regSP);
    if (sp != machine.os.basic_stack + 2)
      return Problem(machine, "returned to BASIC with the stack at " + HexAddress(sp) + " instead of " +
                                  HexAddress(static_cast<uint16_t>(machine.os.basic_stack + 2)),
                     stop, reason);
    if (!IyIntact(machine) || z80ex_get_reg(machine.cpu, regHL_) != kBasicHlAlt)
      return Problem(machine, "returned to BASIC without its IY (5C3Ah) and HL' (2758h)", stop,
                     reason);
    // USR's value: a program may report its status there (a compiled
    // program gives 0, or the number of its run-time error).
    uint16_t usr = z80ex_get_reg(machine.cpu, regBC);
    if (machine.status == 0 && usr < 256) machine.status = static_cast<uint8_t>(usr);
    stop = true;
    reason = StopReason::ReturnToBasic;
    return true;
  }
  return Problem(machine, "the ROM routine at " + HexAddress(pc) + " is not emulated", stop, reason);
}
