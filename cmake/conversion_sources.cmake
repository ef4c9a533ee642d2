# The conversion sources, relative to the top of the tree.  Shared by the
# native build and the Windows cross build (app/win), which compile them once
# per edition.
set(KMT_CONVERSION_SOURCES
  driver/workspace.cc
  driver/conversion_run.cc
  driver/source_reader.cc
  driver/chart_writer.cc
  driver/composition.cc
  scan/keyword_table.cc
  scan/pattern_compiler.cc
  scan/normalise.cc
  scan/matcher.cc
  classify/statement_records.cc
  classify/tracking.cc
  classify/classifier.cc
  chart/glyphs.cc
  chart/chart_model.cc
  chart/row_emitters.cc
  chart/chart_builder.cc
)
