# The conversion, and the one way every build makes a library of it.
#
# Included by the native build, the Windows cross build (app/win) and the
# fuzz targets (tests/fuzz/libfuzzer); each compiles the conversion once per
# edition with kmt_add_conversion_library.
get_filename_component(KMT_CONVERSION_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

set(KMT_CONVERSION_SOURCES
  driver/workspace.cc
  driver/conversion_run.cc
  driver/messages.cc
  driver/source_reader.cc
  driver/chart_writer.cc
  driver/composition.cc
  driver/source_decoding.cc
  driver/view_writer.cc
  driver/text_view.cc
  driver/html_view.cc
  scan/keyword_table.cc
  scan/pattern_compiler.cc
  scan/normalise.cc
  scan/matcher.cc
  scan/match_memo.cc
  classify/statement_records.cc
  classify/tracking.cc
  classify/classifier.cc
  chart/glyphs.cc
  chart/chart_model.cc
  chart/row_emitters.cc
  chart/chart_builder.cc
)
list(TRANSFORM KMT_CONVERSION_SOURCES PREPEND "${KMT_CONVERSION_ROOT}/")

set(KMT_EDITIONS sorvane meridol)

# kmt_add_conversion_library(TARGET EDITION): a static library of the
# conversion built for EDITION (sorvane or meridol).  Whoever links it sees
# the tree's headers and the edition's definition.
function(kmt_add_conversion_library target edition)
  if(NOT edition IN_LIST KMT_EDITIONS)
    message(FATAL_ERROR "unknown edition '${edition}'")
  endif()
  add_library(${target} STATIC ${KMT_CONVERSION_SOURCES})
  target_include_directories(${target} PUBLIC ${KMT_CONVERSION_ROOT})
  if(edition STREQUAL "meridol")
    target_compile_definitions(${target} PUBLIC KMT_EDITION_MERIDOL=1)
  endif()
endfunction()
