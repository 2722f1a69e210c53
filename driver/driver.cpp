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
  ResetLexer();
  ResetSemantic();
  ResetTranslator();
  ResetCodeGenerator();
}

static void RunPhases(const Text &mainFileName) {
  // ---- phase list ----
  LexProgram(mainFileName);
  ResetSyntaxCounters();
  ParseProgram();
  if (TypeWasMissing())
    StopCompiler(1); // a reported missing type goes no further than the parser
  SemanticPass();
  PrintSyntaxStatistics();
  SmartLink();
  NumberParentFrames(RootID());
  UasmOp *uasmOps = Translate(); // kept for the code generator
  LayoutFrames(uasmOps);
  CG_Run(gAsmLineList, uasmOps);
  // ---- end of phase list ----
}

// The identifier listing: the root at depth 1, so three spaces before it.
static void WriteIdList() {
  Con() << "id list:\n";
  Con() << "   " << "#ROOT#" << '\n';
  Con() << "end.\n";
}

int RunCompiler(int argc, const char *const *argv) {
  ResetCompilerState();
  gFirstArgument = argc > 1 ? argv[1] : "";
  int status = 0;
  try {
    Con() << '\n';
    WriteBanner("begin");
    if (argc < 2) {
      Con() << "Usage: tarnwick <main source file>\n";
      StopCompiler(kStopFileNotFound);
    }
    RunPhases(CutText(gFirstArgument));
    WriteIdList();
    WriteBanner("end");
  } catch (const CompilerStop &stop) {
    status = stop.status;
  }
  Con().flush();
  return status;
}
