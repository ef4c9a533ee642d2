// The single static workspace of a conversion run.
//
// Every stage of the conversion reads and writes this one record; no stage
// passes data to another through arguments.  The record is one part per
// stage, each declared beside the stage that owns it, in the order a run
// goes through them.  It is zero when the process starts (it lives in static
// storage), and a run sets only the start values it needs, so a small source
// touches only the first pages of the big tables.  See note [capacities] in
// driver/capacities.h for how each fixed size was chosen.
#pragma once

#include "chart/chart_model.h"
#include "classify/statement_records.h"
#include "classify/tracking.h"
#include "driver/chart_writer.h"
#include "driver/composition.h"
#include "driver/conversion_run.h"
#include "driver/source_decoding.h"
#include "driver/source_reader.h"
#include "driver/view_writer.h"
#include "scan/matcher.h"
#include "scan/normalise.h"
#include "scan/pattern_compiler.h"

struct Workspace {
  RunPart run;                      // driver/conversion_run.h: paths, files, the current line
  ReadingPart reading;              // driver/source_reader.h: bytes read ahead
  DecodingPart decoding;            // driver/source_decoding.h: the source's encoding, for the views
  PatternPart patterns;             // scan/pattern_compiler.h: the compiled keyword table
  NormalisationPart normalisation;  // scan/normalise.h: the line's masks, carried literal state
  MatchingPart matching;            // scan/matcher.h: the line's match list
  RecordsPart records;              // classify/statement_records.h: the statement table
  TrackingPart tracking;            // classify/tracking.h: conditions, one-line IF/WHERE, labels
  BuildingPart building;            // chart/chart_model.h: chart rows, template, saved rows
  CompositionPart composition;      // driver/composition.h: widths, brackets, the line
  WritingPart writing;              // driver/chart_writer.h: bytes not yet written
  ViewPart view;                    // driver/view_writer.h: text marks and warnings, for the views
};

// The one workspace of the process.
extern Workspace ws;
