// The asm line list, the text of one output line and the copy of the
// run-time library.
#include <fstream>
#include <string_view>

#include "codegen_z80/codegen.h"

AsmLine *gAsmLineList = nullptr;

const ID *gWordInHL = nullptr;

static bool IsByteRegister(const Text &r) {
  return r == "a" || r == "b" || r == "c" || r == "d" || r == "e";
}

// An instruction that changes neither hl nor any memory: a load into a,
// b, c, d, e, bc or de, byte arithmetic on a, compares, jumps, push, the
// pop of another pair, a comment.  Every other line (labels too) may change them.
static bool KeepsHLAndMemory(const Text &m, const Text &x) {
  if (m.empty() || m[0] == ';') // a source-line comment
    return true;
  if (m == "ld")
    return IsByteRegister(x) || x == "bc" || x == "de";
  if (m == "cp" || m == "or" || m == "and" || m == "xor" || m == "sub" || m == "bit" ||
      m == "jp" || m == "jr" || m == "push" || m == "neg" || m == "cpl" || m == "rla" ||
      m == "rra" || m == "scf" || m == "ccf")
    return true;
  if (m == "add" || m == "adc" || m == "sbc")
    return x == "a";
  if (m == "inc" || m == "dec")
    return IsByteRegister(x) || x == "bc" || x == "de";
  return m == "pop" && (x == "bc" || x == "de" || x == "af");
}

void CG_Emit(CG_State &st, const Text &first, const Text &second, const Text &third) {
  const ID *known = gWordInHL;
  if (!KeepsHLAndMemory(first, second))
    gWordInHL = nullptr;
  if (CG_StackFrameOn())
    CG_FollowStack(first, second, third, known);
  AsmLine *line = NewRecord<AsmLine>();
  line->first = NewHeapText(CutText(first));
  line->second = NewHeapText(CutText(second));
  line->third = NewHeapText(CutText(third));
  line->prev = *st.list;
  if (*st.list)
    (*st.list)->next = line;
  *st.list = line;
}

static bool TextHolds(HeapText h, std::string_view needle) {
  return h && std::string_view(reinterpret_cast<const char *>(h + 1), h[0]).find(needle) !=
                  std::string_view::npos;
}

bool CG_LineMentions(const AsmLine *line, std::string_view needle) {
  return TextHolds(line->first, needle) || TextHolds(line->second, needle) ||
         TextHolds(line->third, needle);
}

AsmLine *CG_FirstLine(AsmLine *line) {
  while (line && line->prev)
    line = line->prev;
  return line;
}

// A first field is indented unless it is a label (ends with ':'); the
// operands follow after one space and a comma, with nothing else added.
Text CG_FormatLine(const AsmLine *line) {
  Text text = HeapTextOrEmpty(line->first);
  if (!text.empty() && text.back() != ':')
    text = "   " + text;
  if (line->second)
    text += " " + HeapTextOrEmpty(line->second);
  if (line->third)
    text += "," + HeapTextOrEmpty(line->third);
  return CutText(text);
}

// The library keeps each machine's own lines between "; #target NAMES"
// and "; #end target": they are copied only for a machine named there,
// and the marker lines never.
static const char kTargetMarker[] = "; #target ";
static const char kTargetEndMarker[] = "; #end target";

// Lines between "; #optimize" and "; #end optimize" serve only the code of
// the optimizing mode: without -O they are left out, so that the default
// output does not change when the library grows routines for -O.
static const char kOptimizeMarker[] = "; #optimize";
static const char kOptimizeEndMarker[] = "; #end optimize";

static bool NamesTarget(const Text &marker) {
  Text names = " " + marker.substr(sizeof kTargetMarker - 1) + " ";
  return names.find(Text(" ") + TargetName(gOptions.target) + " ") != Text::npos;
}

void CG_CopyLibrary(CG_State &st) {
  static const char *const kLibrary = "system_z80lib.asm";
  std::ifstream file;
  OpenTextFile(file, kLibrary);
  Text line;
  int32_t lineNumber = 1;
  bool copying = true;
  bool optimizing = true;
  while (ReadTextLine(file, line, kLibrary, lineNumber++)) {
    if (line.compare(0, sizeof kTargetMarker - 1, kTargetMarker) == 0) {
      copying = NamesTarget(line);
    } else if (line == kTargetEndMarker) {
      copying = true;
    } else if (line == kOptimizeMarker) {
      optimizing = gOptions.optimize;
    } else if (line == kOptimizeEndMarker) {
      optimizing = true;
    } else if (copying && optimizing) {
      CG_Emit(st, line, "", "");
      (*st.list)->fromLibrary = true;
    }
  }
}

void CG_RemoveLine(AsmLine *&list, AsmLine *line) {
  if (line->prev)
    line->prev->next = line->next;
  if (line->next)
    line->next->prev = line->prev;
  if (list == line)
    list = line->prev;
  line->prev = line->next = nullptr;
}
