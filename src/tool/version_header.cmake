# Writes the header that names the version of the build: the project version and, when the
# sources are a git checkout, the commit they were built from ("1.0 (a7dacf5)"). Without git (a
# source archive) the project version alone. The file is written only when its text changes, so
# only a new commit makes the sources that include it compile again.
#   cmake -DSOURCE_DIR=... -DVERSION=... -DOUTPUT=... -P version_header.cmake
set(text "${VERSION}")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" rev-parse --short=7 HEAD
        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE result ERROR_QUIET)
    if(result EQUAL 0 AND NOT commit STREQUAL "")
        set(text "${VERSION} (${commit})")
    endif()
endif()
set(content "#pragma once\n// Written by version_header.cmake at build time.\n#define SARVO_VERSION \"${text}\"\n")
set(old "")
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${OUTPUT}" "${content}")
endif()
