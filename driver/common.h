// Shared services of every phase: bounded texts, heap texts, the record
// arena, console output, the wait for Enter, and the single way the
// compiler stops.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <new>
#include <string>

// ---- Texts ---------------------------------------------------------------

// A text holds at most 255 characters; longer results keep their first 255.
constexpr size_t kMaxText = 255;
using Text = std::string;

Text CutText(const Text &t, size_t limit = kMaxText);

// Heap text: a length byte followed by exactly that many characters, kept in
// the record arena.  The empty text has no heap text (nullptr).
using HeapText = const unsigned char *;

HeapText NewHeapText(const Text &t);
Text HeapTextOrEmpty(HeapText h);
// Length-prefixed copy that exists even for the empty text (node texts).
HeapText NewShortString(const Text &t);

// ---- Conversions ---------------------------------------------------------

struct SourcePos;

uint32_t HexValue(const Text &t);
int64_t DecimalValue(const Text &t);
Text DecimalText(int64_t v);
Text PositionText(const SourcePos &p);
bool FileReadable(const Text &name);
Text CharText(char c);

// ---- Text files ----------------------------------------------------------

// Only regular files are read: a device or a FIFO could block or never end.
bool IsRegularFile(const Text &name);
// Opens a file for reading, or stops the run: status 2 when it does not
// exist, 5 when it cannot be read (not a regular file, no permission).
void OpenTextFile(std::ifstream &file, const Text &name);
// One line: it ends at LF, CR or CR LF; characters past the 255th are read
// and dropped.  False at the end of the file; a read error stops the run,
// and so does a line longer than kMaxLineLength (201, naming the file and
// lineNumber, the number the line would have).
constexpr size_t kMaxLineLength = 1 << 20;
bool ReadTextLine(std::ifstream &file, Text &line, const Text &name, int32_t lineNumber);

// ---- Record arena --------------------------------------------------------

// Records are allocated once and live until the run ends; a test harness or
// fuzz target releases them all at once with ArenaReset.
void *ArenaAlloc(size_t bytes);
void ArenaReset();

// A zero-filled record of a trivially constructible type.
template <class T> T *NewRecord() {
  return new (ArenaAlloc(sizeof(T))) T();
}

// ---- Console -------------------------------------------------------------

// Every console line goes here (standard output unless a test redirects it).
std::ostream &Con();
void SetConsole(std::ostream *out); // nullptr restores standard output
void SetConsoleInput(std::istream *in); // nullptr restores standard input

// Reads and discards one line of input, but only from a terminal (or the
// input a test set): a pipeline whose input stays open must never block.
// At end of input it simply goes on.
void WaitForEnter();

// ---- Errors ----------------------------------------------------------------

// Every report of a problem counts: a run that made one goes on to the end
// banner but ends with status 1 and leaves no output file.  ErrorAt counts
// its reports; the lines below count the position-less ones.
void CountError();
int ErrorCount();
void ResetErrorCount();
// A problem line without a source position ("ifdef error", the internal
// inconsistencies of the later phases): written, counted, then the wait.
void ReportErrorLine(const Text &line);

// ---- Stopping --------------------------------------------------------------

// Thrown by StopCompiler; the program entry (or a test) catches it.
struct CompilerStop {
  int status;
};

// The only way the compiler ends a run early.
[[noreturn]] void StopCompiler(int status);

// Run-time stop: "Runtime error N: what", then StopCompiler(N).
constexpr int kStopFileNotFound = 2;
constexpr int kStopFileUnreadable = 5;
constexpr int kStopLimit = 201;
[[noreturn]] void RunTimeStop(int status, const Text &what);

// ---- Command line ------------------------------------------------------------

// The main source argument (the first argument that is not an option),
// unchanged; read again by the include search and the output-file naming.
extern std::string gFirstArgument;

// The machine a program is made for (--target=NAME): the flat test
// machine, a CP/M .COM program or a ZX Spectrum code block.
enum Target : int { kTargetFlat, kTargetCpm, kTargetZx };
// "flat", "cpm", "zx".
const char *TargetName(Target target);

// What the options asked for; reset with the rest of the driver state.
struct CompilerOptions {
  Target target;       // --target=NAME
  bool optimize;       // -O
  bool showHelp;       // -h, --help
  bool listRules;      // --list-rules
  bool showStatistics; // --stats
};
extern CompilerOptions gOptions;
void ResetCompilerOptions();

// The arguments read (command_line.cpp): the options are applied to
// gOptions at once; problem names the first wrong option ("" when none).
struct CommandLine {
  bool hasMainFile = false;
  std::string mainFile;
  Text problem;
};
CommandLine ReadCommandLine(int argc, const char *const *argv);
// "Usage: tarnwick [options] <main source file>" and one line per option.
void WriteUsage();

// The whole run, as the program entry does it; returns the exit status.
int RunCompiler(int argc, const char *const *argv);
// Clears every phase's global tables (not the arena) before a run.
void ResetCompilerState();
