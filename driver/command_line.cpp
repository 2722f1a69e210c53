// The command line.  Every argument that begins with "-" is an option,
// wherever it stands, until the argument "--"; the first other argument
// names the main source file and any further ones are ignored.  An option
// that takes a value is written as one argument, --name=value, so that it
// can never be taken for the source file.  All options are listed in one
// table, which also makes the usage text.
#include <ostream>

#include "driver/common.h"
#include "codegen_z80/codegen.h"

CompilerOptions gOptions;

void ResetCompilerOptions() { gOptions = CompilerOptions{}; }

namespace {

// Applies an option's value; returns the problem with it, or "" when none.
using ApplyOption = Text (*)(const Text &value);

// An option either sets a flag of gOptions or applies its value.
struct CommandLineOption {
  const char *name;
  const char *alias;     // a second name, or nullptr
  const char *valueName; // shown as name=VALUE; nullptr for an option without value
  const char *help;
  bool CompilerOptions::*flag;
  ApplyOption apply;
};

Text SwitchRuleOff(const Text &name) {
  if (CG_SwitchRuleOff(name))
    return "";
  return "Unknown rule: " + name + " (--list-rules lists them)";
}

const char *const kTargetNames[] = {"flat", "cpm", "zx"};

Text ChooseTarget(const Text &name) {
  for (int t = kTargetFlat; t <= kTargetZx; t++)
    if (name == kTargetNames[t]) {
      gOptions.target = static_cast<Target>(t);
      return "";
    }
  return "Unknown target: " + name + " (flat, cpm or zx)";
}

const char kEndOfOptions[] = "--";

const CommandLineOption kOptions[] = {
    {"-h", "--help", nullptr, "show this text and stop", &CompilerOptions::showHelp, nullptr},
    {"-O", nullptr, nullptr, "optimizing mode", &CompilerOptions::optimize, nullptr},
    {"--target", nullptr, "NAME", "the machine: flat (default), cpm (a .COM program) or zx",
     nullptr, ChooseTarget},
    {"--stats", nullptr, nullptr, "after the report, how often each code rule was used",
     &CompilerOptions::showStatistics, nullptr},
    {"--no-rule", nullptr, "NAME", "switch the code rule NAME off", nullptr, SwitchRuleOff},
    {"--list-rules", nullptr, nullptr, "list the code rules and stop",
     &CompilerOptions::listRules, nullptr},
    {kEndOfOptions, nullptr, nullptr, "end of the options (a source name may then begin with -)",
     nullptr, nullptr},
};

const CommandLineOption *FindOption(const Text &name) {
  for (const CommandLineOption &o : kOptions)
    if (name == o.name || (o.alias && name == o.alias))
      return &o;
  return nullptr;
}

Text OptionColumn(const CommandLineOption &o) {
  Text column = o.name;
  if (o.alias)
    column += Text(", ") + o.alias;
  if (o.valueName)
    column += Text("=") + o.valueName;
  return column;
}

// One argument that begins with "-": "" when it is a known option written
// rightly (and applied), else the line that tells what is wrong.
Text ApplyArgument(const Text &argument) {
  size_t equals = argument.find('=');
  Text name = argument.substr(0, equals);
  const CommandLineOption *o = FindOption(name);
  if (!o || (!o->flag && !o->apply))
    return "Unknown option: " + argument;
  bool hasValue = equals != Text::npos;
  if (o->valueName && !hasValue)
    return "The option " + name + " needs a value: " + OptionColumn(*o);
  if (!o->valueName && hasValue)
    return "The option " + name + " takes no value: " + argument;
  if (o->flag) {
    gOptions.*(o->flag) = true;
    return "";
  }
  return o->apply(argument.substr(equals + 1));
}

} // namespace

const char *TargetName(Target target) { return kTargetNames[target]; }

void WriteUsage() {
  Con() << "Usage: tarnwick [options] <main source file>\n";
  Con() << "Options:\n";
  for (const CommandLineOption &o : kOptions) {
    Text column = "  " + OptionColumn(o);
    column.resize(column.size() < 22 ? 22 : column.size() + 1, ' ');
    Con() << column << o.help << '\n';
  }
}

CommandLine ReadCommandLine(int argc, const char *const *argv) {
  CommandLine line;
  bool optionsEnded = false;
  for (int i = 1; i < argc; i++) {
    std::string argument = argv[i];
    if (!optionsEnded && argument == kEndOfOptions) {
      optionsEnded = true;
    } else if (!optionsEnded && !argument.empty() && argument[0] == '-') {
      Text problem = ApplyArgument(argument);
      if (!problem.empty() && line.problem.empty())
        line.problem = problem;
    } else if (!line.hasMainFile) {
      line.hasMainFile = true;
      line.mainFile = argument;
    }
  }
  return line;
}
