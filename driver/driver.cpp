// The program entry's work: the phases in their fixed order between the two
// banners, and the closing identifier listing.
#include <iostream>

#include "driver/common.h"
#include "lexer/lexer.h"
#include "parser/parser.h"
#include "semantic/semantic.h"
#include "translator/uasm.h"
#include "codegen_z80/codegen.h"

std::string gFirstArgument;

static void WriteBanner(const char *what) {
  Con() << "==================== tarnwick " << what << " ====================\n";
}

// Clears what every phase keeps between runs, so one process can compile
// many inputs (tests, fuzzing).  Records themselves go with ArenaReset.
void ResetCompilerState() {
  ResetCompilerOptions();
  ResetErrorCount();
  ResetLexer();
  ResetParser();
  ResetSemantic();
  ResetTranslator();
  ResetCodeGenerator();
}

// The console is flushed after every phase, so a redirected run shows how
// far it got even when it takes long.
static void EndPhase() { Con().flush(); }

static void RunPhases(const Text &mainFileName) {
  // ---- phase list ----
  LexProgram(mainFileName);
  EndPhase();
  ResetSyntaxCounters();
  ParseProgram();
  EndPhase();
  if (TypeWasMissing())
    StopCompiler(1); // a reported missing type goes no further than the parser
  SemanticPass();
  EndPhase();
  PrintSyntaxStatistics();
  SmartLink();
  NumberParentFrames(RootID());
  EndPhase();
  UasmOp *uasmOps = Translate(); // kept for the code generator
  EndPhase();
  LayoutFrames(uasmOps);
  CG_Run(gAsmLineList, uasmOps);
  EndPhase();
  // ---- end of phase list ----
}

// The output lies beside the source; a source that already carries the
// output's name would be overwritten by it, so the run stops at once.
static Text CheckedOutputName(const Text &mainFileName) {
  Text outputName = CG_OutputFileName(mainFileName);
  if (outputName == mainFileName)
    RunTimeStop(kStopFileUnreadable,
                "the output file would replace the source file: " + mainFileName);
  return outputName;
}

// The identifier listing: the root at depth 1, so three spaces before it.
static void WriteIdList() {
  Con() << "id list:\n";
  Con() << "   " << "#ROOT#" << '\n';
  Con() << "end.\n";
}

// A wrong option is named with the usage text and nothing is compiled.
constexpr int kStatusBadOption = 2;

int RunCompiler(int argc, const char *const *argv) {
  ResetCompilerState();
  CommandLine line = ReadCommandLine(argc, argv);
  if (!line.problem.empty() || gOptions.showHelp) {
    if (!line.problem.empty())
      Con() << line.problem << '\n';
    WriteUsage();
    Con().flush();
    return line.problem.empty() ? 0 : kStatusBadOption;
  }
  if (gOptions.listRules) {
    CG_WriteRuleList();
    Con().flush();
    return 0;
  }
  gFirstArgument = line.mainFile;
  int status = 0;
  Text outputName;
  try {
    Con() << '\n';
    WriteBanner("begin");
    if (!line.hasMainFile) {
      WriteUsage();
      StopCompiler(kStopFileNotFound);
    }
    outputName = CheckedOutputName(CutText(gFirstArgument));
    RunPhases(CutText(gFirstArgument));
    WriteIdList();
    WriteBanner("end");
    if (gOptions.showStatistics)
      CG_WriteRuleHits();
    if (ErrorCount() > 0)
      status = 1;
  } catch (const CompilerStop &stop) {
    status = stop.status;
  }
  if (status != 0)
    CG_DiscardOutputFile(outputName);
  Con().flush();
  return status;
}
