# Writes the source that tells `brindlecog --version` the project's version
# and, when built from a git checkout, the revision (with "-modified" when
# tracked files differ from it). It runs at every build, but rewrites the file
# only when its text changes, so an unchanged checkout rebuilds nothing. A
# source tarball, or one unpacked inside some other repository, has no
# revision of ours.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=... [-DGIT=git] -P BuildInfo.cmake
cmake_minimum_required(VERSION 3.25)
set(revision "")
if(GIT)
  execute_process(COMMAND "${GIT}" rev-parse --show-toplevel WORKING_DIRECTORY "${SOURCE_DIR}"
                  OUTPUT_VARIABLE top RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT failed)
    file(REAL_PATH "${top}" top)
    file(REAL_PATH "${SOURCE_DIR}" source)
  endif()
  if(NOT failed AND top STREQUAL source)
    execute_process(COMMAND "${GIT}" rev-parse --short=12 HEAD WORKING_DIRECTORY "${SOURCE_DIR}"
                    OUTPUT_VARIABLE revision RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND "${GIT}" diff --quiet HEAD -- WORKING_DIRECTORY "${SOURCE_DIR}"
                    RESULT_VARIABLE modified ERROR_QUIET)
    if(failed)
      set(revision "")
    elseif(modified)
      string(APPEND revision "-modified")
    endif()
  endif()
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT
"// Written by the build (cmake/BuildInfo.cmake).
#include \"build_info.h\"

const char* BuildVersion() { return \"@VERSION@\"; }
const char* BuildRevision() { return \"@revision@\"; }
")
