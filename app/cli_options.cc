// The command line, read by one table of options that also writes the help.
#include "app/cli_options.h"

#include <cstddef>
#include <cstring>

#include "driver/edition.h"

namespace {

enum class OptionId {
  kFormat,
  kSourceEncoding,
  kAmbiguous,
  kOutputDir,
  kJobs,
  kQuiet,
  kStrict,
  kLegend,
  kHelp,
  kVersion
};

struct OptionEntry {
  OptionId id;
  const char* long_name;
  char short_name;         // 0 when there is none
  const char* value_name;  // the value it takes (FORMAT, a|b|c, DIR, N), or null
  const char* help;
  const char* accepted = nullptr;  // what an invalid value's message says is accepted, when not value_name
};

// Every option the program accepts, in the order the help lists them.
constexpr OptionEntry kOptions[] = {
    {OptionId::kFormat, "format", 'f', "sjis|utf8|html",
     "Shift-JIS text (the default), UTF-8 text, HTML page"},
    {OptionId::kSourceEncoding, "source-encoding", 0, "auto|cp932|utf-8",
     "how utf8 and html read the source (default: auto)"},
    {OptionId::kAmbiguous, "ambiguous", 0, "narrow|wide",
     "utf8 for a terminal that shows ambiguous-width\n"
     "characters narrow (the default) or wide"},
    {OptionId::kOutputDir, "output-dir", 'o', "DIR", "convert every PATH (a file or a tree) into DIR"},
    {OptionId::kJobs, "jobs", 'j', "N", "with -o: N at once (default: one per processor)", "a whole number from 1 to 9999"},
    {OptionId::kQuiet, "quiet", 'q', nullptr, "print no warnings (fatal messages still print)"},
    {OptionId::kStrict, "strict", 0, nullptr, "status 3 when a chart was written with warnings"},
    {OptionId::kLegend, "legend", 0, nullptr, "print what every caption and glyph means"},
    {OptionId::kHelp, "help", 'h', nullptr, "show this help and exit"},
    {OptionId::kVersion, "version", 0, nullptr, "show the version and exit"},
};

const OptionEntry* find_long(const char* name) {
  for (const OptionEntry& option : kOptions) {
    if (std::strcmp(option.long_name, name) == 0) return &option;
  }
  return nullptr;
}

const OptionEntry* find_short(char name) {
  for (const OptionEntry& option : kOptions) {
    if (option.short_name != 0 && option.short_name == name) return &option;
  }
  return nullptr;
}

template <typename Value>
struct Choice {
  const char* name;
  Value value;
};

constexpr Choice<ChartFormat> kFormats[] = {
    {"sjis", ChartFormat::kShiftJis}, {"utf8", ChartFormat::kUtf8}, {"html", ChartFormat::kHtml}};
constexpr Choice<SourceEncoding> kEncodings[] = {
    {"auto", SourceEncoding::kDetect}, {"cp932", SourceEncoding::kCp932}, {"utf-8", SourceEncoding::kUtf8}};
constexpr Choice<AmbiguousWidth> kWidths[] = {{"narrow", AmbiguousWidth::kNarrow}, {"wide", AmbiguousWidth::kWide}};

template <typename Value, std::size_t N>
bool choose(const Choice<Value> (&choices)[N], const std::string& given, Value& value) {
  for (const Choice<Value>& choice : choices) {
    if (given == choice.name) {
      value = choice.value;
      return true;
    }
  }
  return false;
}

bool read_count(const std::string& given, unsigned& count) {
  if (given.empty() || given.size() > 4 || given.find_first_not_of("0123456789") != std::string::npos) return false;
  count = static_cast<unsigned>(std::stoul(given));
  return count > 0;
}

// Takes the option's value; false when it is not one the option accepts.
bool apply_value(const OptionEntry& option, const std::string& value, CliOptions& options) {
  switch (option.id) {
    case OptionId::kFormat:
      return choose(kFormats, value, options.view.format);
    case OptionId::kSourceEncoding:
      return choose(kEncodings, value, options.view.source_encoding);
    case OptionId::kAmbiguous:
      return choose(kWidths, value, options.view.ambiguous_width);
    case OptionId::kOutputDir:
      options.output_dir = value;
      return !value.empty();
    case OptionId::kJobs:
      return read_count(value, options.jobs);
    default:
      return false;
  }
}

void apply(const OptionEntry& option, CliOptions& options) {
  switch (option.id) {
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
    default:
      break;
  }
}

// The arguments and where the reading stands.
struct ArgumentReader {
  int argc;
  char** argv;
  int next;  // the argument after the one being read
};

bool give_value(const OptionEntry& option, const std::string& value, CliParse& parse) {
  if (apply_value(option, value, parse.options)) return true;
  parse.error = "invalid value '" + value + "' for --" + option.long_name + " (" +
                (option.accepted != nullptr ? option.accepted : option.value_name) + ")";
  return false;
}

// An option's value: after "=", the rest of a short option's cluster, or the
// next argument.
bool take_value(const OptionEntry& option, const char* attached, ArgumentReader& reader, CliParse& parse) {
  if (attached != nullptr) return give_value(option, attached, parse);
  if (reader.next >= reader.argc) {
    parse.error = std::string("--") + option.long_name + " needs a value (" + option.value_name + ")";
    return false;
  }
  return give_value(option, reader.argv[reader.next++], parse);
}

bool read_long_option(const char* arg, ArgumentReader& reader, CliParse& parse) {
  const std::string text(arg + 2);
  const std::size_t equals = text.find('=');
  const std::string name = text.substr(0, equals);
  const OptionEntry* option = find_long(name.c_str());
  if (option == nullptr) {
    parse.error = "unknown option '--" + name + "'";
    return false;
  }
  const char* attached = equals == std::string::npos ? nullptr : arg + 2 + equals + 1;
  if (option->value_name != nullptr) return take_value(*option, attached, reader, parse);
  if (attached != nullptr) {
    parse.error = "--" + name + " takes no value";
    return false;
  }
  apply(*option, parse.options);
  return true;
}

// A cluster of short options such as "-qh", the last of which may take a
// value ("-j4", "-o DIR").
bool read_short_options(const char* arg, ArgumentReader& reader, CliParse& parse) {
  for (const char* c = arg + 1; *c != '\0'; ++c) {
    const OptionEntry* option = find_short(*c);
    if (option == nullptr) {
      parse.error = std::string("unknown option '-") + *c + "'";
      return false;
    }
    if (option->value_name != nullptr) return take_value(*option, c[1] != '\0' ? c + 1 : nullptr, reader, parse);
    apply(*option, parse.options);
  }
  return true;
}

bool read_option(const char* arg, ArgumentReader& reader, CliParse& parse) {
  return arg[1] == '-' ? read_long_option(arg, reader, parse) : read_short_options(arg, reader, parse);
}

bool operands_fit(CliParse& parse) {
  const CliOptions& options = parse.options;
  if (options.action != CliAction::kConvert) return true;
  if (!options.output_dir.empty()) {
    if (!options.operands.empty()) return true;
    parse.error = "-o needs at least one PATH to convert";
    return false;
  }
  if (options.jobs != 0) {
    parse.error = "-j works with -o only";
    return false;
  }
  if (options.operands.size() == 2) return true;
  parse.error = options.operands.size() < 2 ? "a SOURCE and a CHART are needed" : "too many operands";
  return false;
}

}  // namespace

CliParse parse_command_line(int argc, char** argv) {
  CliParse parse;
  bool options_ended = false;
  ArgumentReader reader{argc, argv, 1};
  while (reader.next < argc) {
    const char* arg = argv[reader.next++];
    if (!options_ended && std::strcmp(arg, "--") == 0) {
      options_ended = true;
    } else if (!options_ended && arg[0] == '-' && arg[1] != '\0') {
      if (!read_option(arg, reader, parse)) {
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
  return "usage: " + program + " [OPTION]... SOURCE CHART\n" + "       " + program + " [OPTION]... -o DIR PATH...\n" +
         "       " + program + " --legend | --help | --version\n";
}

namespace {

std::string options_text() {
  std::string text = "Options:\n";
  for (const OptionEntry& option : kOptions) {
    std::string names = option.short_name != 0 ? std::string("  -") + option.short_name + ", " : std::string("      ");
    names += std::string("--") + option.long_name;
    if (option.value_name != nullptr) names += std::string("=") + option.value_name;
    if (names.size() < 28) {
      names.resize(28, ' ');
    } else {
      names += "\n" + std::string(28, ' ');
    }
    // A help text of two lines goes on under the first.
    std::string help = option.help;
    for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1)) {
      help.insert(at + 1, std::string(28, ' '));
    }
    text += names + help + "\n";
  }
  text += "  --                        end of options (for paths that begin with '-')\n";
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
      "With -o DIR every PATH is converted into DIR, which mirrors the folders:\n"
      "the chart of PATH/sub/x.f is DIR/sub/x.f.txt (.html with --format html).\n"
      "A folder is walked for Fortran sources (.f90 .f95 .f03 .f08 .f .for .ftn,\n"
      "in any letter case), leaving out hidden folders and DIR; a PATH that is a\n"
      "file is converted whatever its name.  A chart that would replace another's\n"
      "or a source is refused.  A fatal problem ends that source only.  Progress\n"
      "shows when standard error is a terminal; a summary line ends the run, and\n"
      "DIR/index.txt (index.html with --format html) lists every chart.  The\n"
      "status is 1 when any source failed or any PATH could not be read.\n"
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
      "Viewing a chart:\n"
      "  --format utf8   UTF-8 text aligned on a terminal that shows East-Asian\n"
      "                  ambiguous-width characters narrow (most do); add\n"
      "                  --ambiguous wide for one that shows them wide\n"
      "  --format html   one page for a web browser, with the program units as links\n"
      "A Shift-JIS chart itself reads in a UTF-8 terminal as\n"
      "  iconv -f CP932 -t UTF-8 CHART\n"
      "on a terminal that shows ambiguous-width characters wide.\n"
      "--legend explains the captions and glyphs.\n";
  return text;
}

const char* chart_extension(ChartFormat format) { return format == ChartFormat::kHtml ? ".html" : ".txt"; }
