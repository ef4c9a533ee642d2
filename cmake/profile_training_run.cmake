# Converts every training source with the instrumented PROGRAM, in every
# output format, leaving its counts in COUNTS; then touches STAMP.  See note
# [profile-guided] in cmake/profile_guided.cmake.
#
#     cmake -DPROGRAM=... -DCOUNTS=... -DSOURCES=a;b -DSTAMP=... -P profile_training_run.cmake

# Counts of an earlier run would add up with this one's.
file(GLOB stale "${COUNTS}*.gcda")
if(stale)
  file(REMOVE ${stale})
endif()

file(MAKE_DIRECTORY "${COUNTS}")
foreach(source IN LISTS SOURCES)
  foreach(format sjis utf8 html)
    execute_process(COMMAND "${PROGRAM}" --quiet --format ${format} "${source}" "${COUNTS}chart"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "training run on ${source} (${format}) ended with ${status}")
    endif()
  endforeach()
endforeach()
file(REMOVE "${COUNTS}chart")

file(GLOB counts "${COUNTS}*.gcda")
if(NOT counts)
  message(FATAL_ERROR "the training runs left no counts in ${COUNTS}")
endif()
file(TOUCH "${STAMP}")
