// The asm line list, the text of one output line, the copy of the run-time
// library and the writing of the output file.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "codegen_z80/codegen.h"

AsmLine *gAsmLineList = nullptr;

void CG_Emit(CG_State &st, const Text &first, const Text &second, const Text &third) {
  AsmLine *line = NewRecord<AsmLine>();
  line->first = NewHeapText(CutText(first));
  line->second = NewHeapText(CutText(second));
  line->third = NewHeapText(CutText(third));
  line->prev = *st.list;
  if (*st.list)
    (*st.list)->next = line;
  *st.list = line;
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

// The source argument without its last four characters, plus ".asm".
Text CG_OutputFileName(const Text &firstArgument) {
  Text name = CutText(firstArgument);
  name = name.size() > 4 ? name.substr(0, name.size() - 4) : Text();
  return CutText(name + ".asm");
}

// One line of the library: it ends at LF, CR or CR LF; characters past the
// 255th are dropped.  False at the end of the file.
static bool ReadLibraryLine(std::ifstream &file, Text &line) {
  std::streambuf *buf = file.rdbuf();
  line.clear();
  int c = buf->sbumpc();
  if (c == std::char_traits<char>::eof())
    return false;
  while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
    if (line.size() < kMaxText)
      line.push_back(static_cast<char>(c));
    c = buf->sbumpc();
  }
  if (c == '\r' && buf->sgetc() == '\n')
    buf->sbumpc();
  return true;
}

void CG_CopyLibrary(CG_State &st) {
  static const char *const kLibrary = "system_z80lib.asm";
  std::error_code ec;
  if (!std::filesystem::exists(kLibrary, ec))
    RunTimeStop(kStopFileNotFound, Text("file not found: ") + kLibrary);
  std::ifstream file;
  if (!std::filesystem::is_directory(kLibrary, ec))
    file.open(kLibrary, std::ios::binary);
  if (!file.is_open())
    RunTimeStop(kStopFileUnreadable, Text("cannot read file: ") + kLibrary);
  Text line;
  while (ReadLibraryLine(file, line))
    CG_Emit(st, line, "", "");
  if (file.bad())
    RunTimeStop(kStopFileUnreadable, Text("cannot read file: ") + kLibrary);
}

void CG_WriteFile(const Text &fileName, const AsmLine *first) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file.is_open())
    RunTimeStop(kStopFileUnreadable, "cannot write file: " + fileName);
  file << ";;; first line\n";
  for (const AsmLine *line = first; line; line = line->next)
    file << CG_FormatLine(line) << '\n';
  file.close();
  if (file.fail())
    RunTimeStop(kStopFileUnreadable, "cannot write file: " + fileName);
}
