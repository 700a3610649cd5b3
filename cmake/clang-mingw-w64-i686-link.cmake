# Read after the platform's rules: executables are linked by the MinGW GCC,
# which knows its own runtime libraries and start-up files; clang 14 finds
# neither in Debian's layout. The compile flags (target, header folders) are
# clang's alone and stay off the link line; every link flag is kept.
set(CMAKE_CXX_LINK_EXECUTABLE
  "${MINGW_PREFIX}-g++-posix <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> -Wl,--out-implib,<TARGET_IMPLIB> ${CMAKE_GNULD_IMAGE_VERSION} <LINK_LIBRARIES>")
# The tests' libraries likewise.
set(CMAKE_CXX_CREATE_SHARED_LIBRARY
  "${MINGW_PREFIX}-g++-posix <CMAKE_SHARED_LIBRARY_CREATE_CXX_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> -Wl,--out-implib,<TARGET_IMPLIB> ${CMAKE_GNULD_IMAGE_VERSION} <LINK_LIBRARIES>")
