# Installation and packages.
#
#   cmake --install BUILD --prefix PREFIX        (DESTDIR from the environment)
#     PREFIX/bin                                    both programs
#     PREFIX/share/man/man1                         their manual pages
#     PREFIX/share/bash-completion/completions      their bash completion
#     PREFIX/share/doc/kmt                          README.md, LICENSE
#   cpack (run in BUILD)
#     kmt_<version>-<release>_<arch>.deb  the same under /usr, laid out as
#                                         Debian wants it
#     kmt-<version>-windows-x64.zip       the Windows programs, a README and
#                                         the sample (when they are built)
#
# Components: "programs", "manual" and "license" make a plain installation;
# the Debian package takes "programs" and "debian" (compressed manual pages,
# copyright, changelog), the zip "windows" alone.  packaging/cpack_generators.cmake
# chooses them per package.
include(GNUInstallDirs)

set(KMT_MAINTAINER "The KMT developers <kmt-developers@example.org>")
set(KMT_PACKAGE_RELEASE 1)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# ---- Files made for installation -------------------------------------------

set(KMT_STAGED ${CMAKE_BINARY_DIR}/packaging)

# Manual pages: one source, a page for each edition.
set(KMT_MAN_PAGES)
set(KMT_COMPRESSED_MAN_PAGES)
foreach(edition IN LISTS KMT_EDITIONS)
  set(KMT_PROGRAM kmt_${edition})
  string(TOUPPER ${KMT_PROGRAM} KMT_PAGE_TITLE)
  string(SUBSTRING ${edition} 0 1 initial)
  string(SUBSTRING ${edition} 1 -1 rest)
  string(TOUPPER ${initial} initial)
  set(KMT_EDITION ${initial}${rest})
  configure_file(${CMAKE_SOURCE_DIR}/man/kmt.1.in ${KMT_STAGED}/man/${KMT_PROGRAM}.1 @ONLY)
  list(APPEND KMT_MAN_PAGES ${KMT_STAGED}/man/${KMT_PROGRAM}.1)
  list(APPEND KMT_COMPRESSED_MAN_PAGES ${KMT_STAGED}/man/${KMT_PROGRAM}.1.gz)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/changelog ${KMT_STAGED}/debian/changelog.Debian COPYONLY)

# Debian compresses manual pages and changelogs with gzip -9n (no name, no
# time stamp, so the package is the same however often it is built).
set(KMT_COMPRESSED ${KMT_COMPRESSED_MAN_PAGES} ${KMT_STAGED}/debian/changelog.Debian.gz)
foreach(compressed IN LISTS KMT_COMPRESSED)
  string(REGEX REPLACE "\\.gz$" "" plain ${compressed})
  get_filename_component(directory ${plain} DIRECTORY)
  get_filename_component(name ${plain} NAME)
  add_custom_command(OUTPUT ${compressed}
    COMMAND gzip -9nkf ${name}
    WORKING_DIRECTORY ${directory}
    DEPENDS ${plain}
    COMMENT "Compressing ${name}")
endforeach()
add_custom_target(kmt_compressed_docs ALL DEPENDS ${KMT_COMPRESSED})

# ---- Installation ----------------------------------------------------------

install(TARGETS ${KMT_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT programs)
foreach(program IN LISTS KMT_PROGRAMS)
  # bash-completion loads a command's completion from a file of its name.
  install(FILES ${CMAKE_SOURCE_DIR}/completion/kmt.bash
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions
          RENAME ${program} COMPONENT programs)
endforeach()
install(FILES ${KMT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT manual)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT license)

install(FILES ${KMT_COMPRESSED_MAN_PAGES}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright ${KMT_STAGED}/debian/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME kmt
        COMPONENT debian EXCLUDE_FROM_ALL)

if(KMT_WINDOWS_PROGRAMS_BUILT)
  # Text for Windows: CR LF, and UTF-8 that Notepad recognises by its mark.
  string(ASCII 239 187 191 byte_order_mark)
  foreach(text IN ITEMS packaging/windows/README.txt.in LICENSE)
    file(READ ${CMAKE_SOURCE_DIR}/${text} content)
    get_filename_component(name ${text} NAME_WE)
    file(CONFIGURE OUTPUT ${KMT_STAGED}/windows/${name}.txt CONTENT "${byte_order_mark}${content}"
         @ONLY NEWLINE_STYLE CRLF)
  endforeach()
  install(PROGRAMS ${KMT_WINDOWS_BUILD}/kmt_sorvane.exe ${KMT_WINDOWS_BUILD}/kmt_meridol.exe
          DESTINATION . COMPONENT windows EXCLUDE_FROM_ALL)
  install(FILES ${KMT_STAGED}/windows/README.txt ${KMT_STAGED}/windows/LICENSE.txt
                ${CMAKE_SOURCE_DIR}/examples/sample.f90
          DESTINATION . COMPONENT windows EXCLUDE_FROM_ALL)
endif()

# ---- Packages --------------------------------------------------------------

set(CPACK_PACKAGE_NAME kmt)
set(CPACK_PACKAGE_VENDOR "The KMT developers")
set(CPACK_PACKAGE_CONTACT ${KMT_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flowcharts of Fortran sources as Shift-JIS text")
set(CPACK_PACKAGE_DESCRIPTION
    "KMT reads one Fortran source file (Fortran 90 free form, with older habits
tolerated) and writes its flowchart as a Shift-JIS text file: each statement
on a row after a symbol for its kind, with the program units, decisions,
selections, loops and jumps drawn as lines beside them.
.
Two editions are included, kmt_sorvane and kmt_meridol; they differ in how
labelled DO loops end and how labels are drawn.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)

set(CPACK_GENERATOR DEB)
if(KMT_WINDOWS_PROGRAMS_BUILT)
  list(APPEND CPACK_GENERATOR ZIP)
endif()
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/cpack_generators.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KMT_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KMT_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
