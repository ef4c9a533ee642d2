// One conversion as the command line makes it: a source, its chart, the
// options that shape the view and the messages, and the exit status.
#pragma once

#include <string>

#include "app/cli_options.h"

// Converts `source` into `chart` ("-" for standard input or output) and
// returns the exit status: kStatusConverted, or kStatusWarned with --strict
// after warnings.  After a fatal message the process ends with
// kStatusFailed instead.  A process makes one conversion.
int convert_file(const CliOptions& options, const std::string& source, const std::string& chart);

// Converts every PATH into charts under the output folder (app/tree_run.cc).
int convert_tree(const CliOptions& options);
