// The command line, read by one table of options that also writes the help.
#include "app/cli_options.h"

#include <cstring>

#include "driver/edition.h"

namespace {

enum class OptionId { kHelp, kVersion, kLegend, kQuiet, kStrict };

struct OptionSpec {
  OptionId id;
  const char* long_name;
  char short_name;  // 0 when there is none
  const char* help;
};

// Every option the program accepts, in the order the help lists them.
constexpr OptionSpec kOptions[] = {
    {OptionId::kQuiet, "quiet", 'q', "print no warnings (fatal messages are still printed)"},
    {OptionId::kStrict, "strict", 0, "exit with status 3 when the chart was written with warnings"},
    {OptionId::kLegend, "legend", 0, "print every caption and glyph of the chart with its meaning"},
    {OptionId::kHelp, "help", 'h', "show this help and exit"},
    {OptionId::kVersion, "version", 0, "show the version and exit"},
};

const OptionSpec* find_long(const char* name) {
  for (const OptionSpec& spec : kOptions) {
    if (std::strcmp(spec.long_name, name) == 0) return &spec;
  }
  return nullptr;
}

const OptionSpec* find_short(char name) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.short_name != 0 && spec.short_name == name) return &spec;
  }
  return nullptr;
}

void apply(const OptionSpec& spec, CliOptions& options) {
  switch (spec.id) {
    case OptionId::kHelp:
      options.action = CliAction::kHelp;
      break;
    case OptionId::kVersion:
      options.action = CliAction::kVersion;
      break;
    case OptionId::kLegend:
      options.action = CliAction::kLegend;
      break;
    case OptionId::kQuiet:
      options.quiet = true;
      break;
    case OptionId::kStrict:
      options.strict = true;
      break;
  }
}

// "--name" or a cluster of short options such as "-qh".
bool read_option(const char* arg, CliParse& parse) {
  if (arg[1] == '-') {
    const OptionSpec* spec = find_long(arg + 2);
    if (spec == nullptr) {
      parse.error = std::string("unknown option '") + arg + "'";
      return false;
    }
    apply(*spec, parse.options);
    return true;
  }
  for (const char* c = arg + 1; *c != '\0'; ++c) {
    const OptionSpec* spec = find_short(*c);
    if (spec == nullptr) {
      parse.error = std::string("unknown option '-") + *c + "'";
      return false;
    }
    apply(*spec, parse.options);
  }
  return true;
}

bool operands_fit(CliParse& parse) {
  if (parse.options.action != CliAction::kConvert) return true;
  if (parse.options.operands.size() == 2) return true;
  parse.error = parse.options.operands.size() < 2 ? "a SOURCE and a CHART are needed" : "too many operands";
  return false;
}

}  // namespace

CliParse parse_command_line(int argc, char** argv) {
  CliParse parse;
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!options_ended && std::strcmp(arg, "--") == 0) {
      options_ended = true;
    } else if (!options_ended && arg[0] == '-' && arg[1] != '\0') {
      if (!read_option(arg, parse)) {
        parse.ok = false;
        return parse;
      }
    } else {
      parse.options.operands.emplace_back(arg);  // "-" alone is standard input or output
    }
  }
  parse.ok = operands_fit(parse);
  return parse;
}

const char* program_name(const char* argv0) {
  const char* slash = std::strrchr(argv0, '/');
  return slash != nullptr ? slash + 1 : argv0;
}

std::string usage_text(const char* name) {
  const std::string program(name);
  return "usage: " + program + " [OPTION]... SOURCE CHART\n" + "       " + program + " --legend | --help | --version\n";
}

namespace {

std::string options_text() {
  std::string text = "Options:\n";
  for (const OptionSpec& spec : kOptions) {
    std::string names = spec.short_name != 0 ? std::string("  -") + spec.short_name + ", " : std::string("      ");
    names += std::string("--") + spec.long_name;
    names.resize(24, ' ');
    text += names + spec.help + "\n";
  }
  text += "  --                    end of options (for paths that begin with '-')\n";
  return text;
}

}  // namespace

std::string help_text(const char* name) {
  std::string text = usage_text(name);
  text +=
      "\n"
      "Reads the Fortran source file SOURCE (free form, fixed-form comment lines\n"
      "tolerated) and writes its flowchart to CHART as Shift-JIS text: one line\n"
      "per chart row, each ending in CR LF.  Comments are left out of the chart.\n"
      "An existing CHART is replaced.  SOURCE '-' reads standard input and CHART\n"
      "'-' writes standard output (write ./- for a file of that name).\n"
      "\n";
  text += options_text();
  text +=
      "\n"
      "Messages go to standard error, one line each, in the form\n"
      "  SOURCE:LINE: TITLE: TEXT (REASON)\n"
      "(SOURCE: without a line for opening, reading and writing), where TITLE and\n"
      "TEXT are those of the Windows program's message box and REASON says in\n"
      "English what was found.  A warning repeated for one line is printed once,\n"
      "with its count.\n"
      "\n"
      "Exit status:\n"
      "  0  the chart has been written (with warnings, unless --strict)\n"
      "  1  a fatal problem (the chart, when created, is left empty)\n"
      "  2  wrong arguments\n"
      "  3  with --strict: the chart has been written, with warnings\n"
      "\n"
      "Editions: this is the ";
  text += kEditionName;
  text +=
      " edition.  They differ in how labelled DO loops end: the\n"
      "Sorvane edition ends them only at a labelled CONTINUE; the Meridol edition\n"
      "also at a labelled END DO or any labelled statement, and draws labelled\n"
      "statements as label rows.\n"
      "\n"
      "Viewing a chart on a UTF-8 terminal:\n"
      "  iconv -f CP932 -t UTF-8 CHART\n"
      "The box-drawing lines align only when the terminal shows East-Asian\n"
      "ambiguous-width characters wide (two columns), as the chart counts them.\n"
      "--legend explains the captions and glyphs.\n";
  return text;
}
