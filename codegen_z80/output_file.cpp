// The output file: its name beside the source, the write through a
// temporary file that replaces the target only when complete, and the
// removal of an earlier run's output after a failed run.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "codegen_z80/codegen.h"

bool gOutputWriteStarted = false;

// A leading "." starts no extension: ".profile" is a name, not a type.
static size_t ExtensionDot(const Text &name, size_t nameStart) {
  size_t first = name.find_first_not_of('.', nameStart);
  size_t dot = name.rfind('.');
  return first != Text::npos && dot != Text::npos && dot > first ? dot : Text::npos;
}

Text CG_OutputFileName(const Text &sourceName) {
  size_t slash = sourceName.rfind('/');
  size_t nameStart = slash == Text::npos ? 0 : slash + 1;
  if (nameStart == sourceName.size())
    return ""; // a folder's name: there is no file name to derive from
  size_t dot = ExtensionDot(sourceName, nameStart);
  return sourceName.substr(0, dot) + ".asm";
}

// A new file beside the target whose name no existing file has: an
// unrelated "prog.asm.tmp" is never overwritten.
static std::FILE *CreateTempFile(const Text &target, Text &tempName) {
  for (int n = 0; n < 100; n++) {
    tempName = target + ".tmp" + (n > 0 ? DecimalText(n) : Text());
    if (std::FILE *f = std::fopen(tempName.c_str(), "wbx"))
      return f;
    if (errno != EEXIST)
      break;
  }
  return nullptr;
}

static bool WriteLine(std::FILE *f, const Text &text) {
  return std::fwrite(text.data(), 1, text.size(), f) == text.size() &&
         std::fputc('\n', f) != EOF;
}

static bool WriteLines(std::FILE *f, const AsmLine *first) {
  bool ok = WriteLine(f, ";;; first line");
  for (const AsmLine *line = first; ok && line; line = line->next)
    ok = WriteLine(f, CG_FormatLine(line));
  return ok && std::fflush(f) == 0 && !std::ferror(f);
}

// From here on a failure keeps the earlier output whole: the target is only
// replaced, by a rename, once the new text is complete and closed.
void CG_WriteFile(const Text &fileName, const AsmLine *first) {
  gOutputWriteStarted = true;
  Text tempName;
  std::FILE *f = fileName.empty() ? nullptr : CreateTempFile(fileName, tempName);
  if (!f)
    RunTimeStop(kStopFileUnreadable, "cannot write file: " + fileName);
  bool written = WriteLines(f, first);
  written = std::fclose(f) == 0 && written;
  std::error_code ec;
  if (written)
    std::filesystem::rename(tempName, fileName, ec);
  if (!written || ec) {
    std::remove(tempName.c_str());
    RunTimeStop(kStopFileUnreadable, "cannot write file: " + fileName);
  }
}

// An output left by an earlier run would look valid to make and to the
// user; a folder of that name is no output and stays.
void CG_DiscardOutputFile(const Text &fileName) {
  if (fileName.empty() || gOutputWriteStarted)
    return;
  std::error_code ec;
  auto status = std::filesystem::symlink_status(fileName, ec);
  if (ec || status.type() == std::filesystem::file_type::directory)
    return;
  if (!std::filesystem::remove(fileName, ec))
    Con() << "The earlier output " << fileName << " could not be removed.\n";
}
