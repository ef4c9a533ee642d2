# Profile-guided optimisation of the Release conversion (GCC).
#
# [profile-guided]
# The conversion is a long chain of small, branchy steps per byte, row and
# cell, whose likely paths the compiler cannot see from the code: which
# keyword rows a column tries, which cells a row holds.  So a Release build
# first builds an instrumented copy of each edition's conversion, converts
# the training sources with it (bench/training/ and examples/, in every
# output format), and then compiles the real conversion with the counts it
# left.  This lays out and inlines the hot paths and changes no result:
# the chart bytes, messages and statuses are those of any other build, which
# the suite checks on the programs so built.  Off for sanitized and non-GCC
# builds, and with -DKMT_PROFILE_GUIDED=OFF.
option(KMT_PROFILE_GUIDED "Optimise the Release conversion with the profile of training runs (GCC)" ON)

set(KMT_PROFILE_GUIDED_ACTIVE OFF)
if(KMT_PROFILE_GUIDED AND NOT KMT_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"
   AND CMAKE_BUILD_TYPE STREQUAL "Release")
  set(KMT_PROFILE_GUIDED_ACTIVE ON)
endif()

file(GLOB KMT_TRAINING_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/training/*.f90
                                                  ${CMAKE_SOURCE_DIR}/examples/*.f90)
list(SORT KMT_TRAINING_SOURCES)

# kmt_train_conversion(EDITION APP_SOURCE...): compiles kmt_conversion_EDITION
# with the profile of a training program built from the APP_SOURCEs over an
# instrumented copy of the conversion.  Both copies name their counts by the
# same folder and object names (-dumpdir), so that the compiler finds each
# function's counts, the local ones too, under the name they were kept by.
function(kmt_train_conversion edition)
  if(NOT KMT_PROFILE_GUIDED_ACTIVE)
    return()
  endif()
  set(library kmt_conversion_${edition})
  set(training_library ${library}_training)
  set(training_program kmt_${edition}_training)
  set(counts ${CMAKE_BINARY_DIR}/profile/${edition}/)
  kmt_add_conversion_library(${training_library} ${edition})
  target_compile_options(${training_library} PRIVATE -fprofile-generate -fprofile-update=single -dumpdir ${counts})
  add_executable(${training_program} ${ARGN})
  target_link_libraries(${training_program} PRIVATE ${training_library})
  target_link_options(${training_program} PRIVATE -fprofile-generate)
  # Built as the real conversion is, so that the counts fit its code.
  if(KMT_LINK_TIME_OPTIMISATION_SUPPORTED)
    set_target_properties(${training_program} ${training_library} PROPERTIES INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
  endif()

  set(stamp ${CMAKE_BINARY_DIR}/profile/${edition}.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${training_program}> -DCOUNTS=${counts}
            "-DSOURCES=${KMT_TRAINING_SOURCES}" -DSTAMP=${stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/profile_training_run.cmake
    DEPENDS ${training_program} ${KMT_TRAINING_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/profile_training_run.cmake
    COMMENT "Profiling the ${edition} conversion on the training sources"
    VERBATIM)
  add_custom_target(kmt_profile_${edition} DEPENDS ${stamp})
  add_dependencies(${library} kmt_profile_${edition})
  set(use_profile -fprofile-use -fprofile-partial-training -Wno-missing-profile)
  target_compile_options(${library} PRIVATE ${use_profile} -dumpdir ${counts})
  # Optimised across files at the link of whatever links it, which must
  # know of the profile too.
  target_link_options(${library} INTERFACE ${use_profile})
endfunction()
