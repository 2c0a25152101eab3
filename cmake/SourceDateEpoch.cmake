# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack (CPACK_PROJECT_CONFIG_FILE). CPack dates every file of the package by SOURCE_DATE_EPOCH
# when it is set, so that two builds of one commit give the same package bit for bit, wherever and
# whenever they are built. Unless the caller set it already, it is the time of the last commit, or, for a
# source tree that is not a git checkout of its own, the time of the changelog's first entry (the date
# dpkg-buildpackage takes).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git rev-parse --show-prefix WORKING_DIRECTORY ${CPACK_VARGO_SOURCE_DIR}
                  RESULT_VARIABLE not_git OUTPUT_VARIABLE below_top ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(epoch)
  if(NOT not_git AND below_top STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CPACK_VARGO_SOURCE_DIR}
                    OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_VARGO_SOURCE_DIR}/packaging/changelog -S Timestamp
                    OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  else()
    message(WARNING "No commit or changelog date for SOURCE_DATE_EPOCH: the package carries the build's times")
  endif()
endif()
