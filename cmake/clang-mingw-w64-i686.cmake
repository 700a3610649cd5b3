# The same 32-bit Windows program compiled by clang: a second compiler's
# warnings and errors, met here rather than by a Windows user. Everything
# else is the MinGW-w64 build's: its headers, its posix libstdc++, its
# resource compiler, and its GCC as the linker, so that the runtime and the
# start-up files (which register the exception tables) are the ones it ships.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)

set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_PREFIX})
set(CMAKE_AR ${MINGW_PREFIX}-ar)
set(CMAKE_RANLIB ${MINGW_PREFIX}-ranlib)
# The MinGW-w64 headers, and no header of the build machine's own.
set(CMAKE_SYSROOT_COMPILE ${CMAKE_FIND_ROOT_PATH})

# Clang does not find the GCC's C++ headers in Debian's versioned folder
# ("12-posix"): ask the GCC where they are.
execute_process(COMMAND ${MINGW_PREFIX}-g++-posix -E -v -x c++ /dev/null
                OUTPUT_QUIET ERROR_VARIABLE gcc_report RESULT_VARIABLE gcc_status)
string(REGEX MATCH "#include <...> search starts here:\n(.*)\nEnd of search list" _ "${gcc_report}")
string(REGEX MATCHALL "[^\n ]+/c\\+\\+[^\n ]*" gcc_cxx_include_dirs "${CMAKE_MATCH_1}")
if(NOT gcc_status EQUAL 0 OR NOT gcc_cxx_include_dirs)
  message(FATAL_ERROR "cannot find the C++ headers of ${MINGW_PREFIX}-g++-posix")
endif()
set(CMAKE_CXX_FLAGS_INIT "")
foreach(folder IN LISTS gcc_cxx_include_dirs)
  file(REAL_PATH ${folder} folder)
  string(APPEND CMAKE_CXX_FLAGS_INIT " -isystem ${folder}")
endforeach()

# Links with the MinGW GCC instead of the clang driver (see the file).
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64-i686-link.cmake)
