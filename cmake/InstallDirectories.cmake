# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time, before the files of an install rule go in. CMake and CPack make the missing folders
# of a destination with the installer's umask (rwx------ under umask 077, which locks every player out of
# the game's files); this sets them rwxr-xr-x first. Under DESTDIR, the staging folder of a package, every
# folder from there down is the package's own and is set so; in a live prefix only the missing folders are
# made, and those already there are left as they are.
function(vargo_make_install_directory destination)
  cmake_path(ABSOLUTE_PATH destination BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
  set(staged "$ENV{DESTDIR}")
  set(folders)
  set(path "${destination}")
  cmake_path(GET path PARENT_PATH parent)
  while(NOT path STREQUAL parent)
    if(staged OR NOT EXISTS "${path}")
      list(PREPEND folders "${staged}${path}")
    endif()
    set(path "${parent}")
    cmake_path(GET path PARENT_PATH parent)
  endwhile()
  foreach(folder IN LISTS folders)
    file(MAKE_DIRECTORY "${folder}")
    file(CHMOD "${folder}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  endforeach()
endfunction()
