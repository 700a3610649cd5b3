# Fails when a link took in any of the archive members REPLACED, as the
# linker's map file MAP records them ("libstdc++.a(vterminate.o)"): a program
# that defines their functions itself must not get the library's as well.
#
#   cmake -D MAP=<file> -D "REPLACED=<member>;..." -P check_linked_objects.cmake
file(READ ${MAP} map)
foreach(member IN LISTS REPLACED)
  string(FIND "${map}" "${member}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "The link took in ${member}, whose functions the program defines "
                        "itself: the runtime has changed under them, or they have (see ${MAP})")
  endif()
endforeach()
