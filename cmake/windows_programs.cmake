# The Windows dialog programs kmt_sorvane.exe and kmt_meridol.exe, a build of
# their own (app/win, with cmake/mingw-w64.cmake) made in <build>/windows as
# part of this build, for the Windows tests and the Windows zip.
#
# Sets KMT_WINDOWS_BUILD (where the programs land), KMT_WINDOWS_PROGRAMS_BUILT
# (whether the cross compiler was found and they are built) and
# KMT_WINDOWS_WORK (where the tests under Wine keep their prefix and
# screenshots).
find_program(KMT_MINGW_CXX x86_64-w64-mingw32-g++-win32)
find_program(KMT_MINGW_WINDRES x86_64-w64-mingw32-windres)
set(KMT_WINDOWS_BUILD ${CMAKE_BINARY_DIR}/windows)
set(KMT_WINDOWS_WORK ${CMAKE_BINARY_DIR}/windows-tests)

if(KMT_MINGW_CXX AND KMT_MINGW_WINDRES)
  # The checks run under Wine are built only for the tests.
  if(KMT_BUILD_TESTS AND KMT_WINDOWS_TESTS)
    set(windows_checks ON)
  else()
    set(windows_checks OFF)
  endif()
  include(ExternalProject)
  ExternalProject_Add(kmt_windows_programs
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/app/win
    BINARY_DIR ${KMT_WINDOWS_BUILD}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
      -DCMAKE_BUILD_TYPE=Release
      # Stripped, as they are shipped: the tests run what the zip holds.
      -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s
      -DKMT_WINDOWS_CHECKS=${windows_checks}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  set(KMT_WINDOWS_PROGRAMS_BUILT ON)
else()
  message(STATUS "mingw-w64 not found: no Windows programs, no Windows zip; their tests report themselves skipped")
  set(KMT_WINDOWS_PROGRAMS_BUILT OFF)
endif()
