# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack after it made the package (CPACK_POST_BUILD_SCRIPTS). A .deb is an ar archive of three
# members, and CPack gives them the modes of its temporary files, which follow the umask (rw------- under
# umask 077). This sets every member and the package file itself rw-r--r--, as dpkg-deb makes them, so
# the package is the same bit for bit whatever the umask. perl is part of every Debian system.
set(set_member_modes [[
  open(my $deb, "+<", $ARGV[0]) or die "cannot open $ARGV[0]: $!\n";
  binmode $deb;
  my $magic;
  read($deb, $magic, 8) == 8 && $magic eq "!<arch>\n" or die "$ARGV[0] is not an ar archive\n";
  # Each member has a header of 60 bytes: name 16, date 12, owner 6, group 6, mode 8, size 10, "`\n".
  while (read($deb, my $header, 60) == 60) {
    my $size = substr($header, 48, 10) + 0;
    seek($deb, -20, 1);
    print $deb "100644  ";
    seek($deb, 12 + $size + $size % 2, 1);
  }
  close($deb) or die "cannot write $ARGV[0]: $!\n";
]])
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    execute_process(COMMAND perl -e "${set_member_modes}" "${package}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "Could not set the modes of the members of ${package}")
    endif()
    file(CHMOD "${package}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
