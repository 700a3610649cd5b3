# Warnings, sanitizers and platform definitions shared by every target.

add_library(morvane_options INTERFACE)
target_include_directories(morvane_options INTERFACE ${CMAKE_SOURCE_DIR})

if(MSVC)
  target_compile_options(morvane_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:/W4 /permissive- /utf-8>)
else()
  # Only for C++: the resource compiler shares the include path, not the flags.
  # Designated initializers leave the fields they skip at their defaults.
  target_compile_options(morvane_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion
      -Wno-missing-field-initializers>)
endif()

if(WIN32)
  # Unicode throughout, and nothing older than Windows 7 is targeted.
  target_compile_definitions(morvane_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(MORVANE_SANITIZE)
  target_compile_options(morvane_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer>)
  target_link_options(morvane_options INTERFACE -fsanitize=address,undefined)
endif()

# Release binaries are shipped stripped.
if(MINGW)
  set(CMAKE_EXE_LINKER_FLAGS_RELEASE "${CMAKE_EXE_LINKER_FLAGS_RELEASE} -s")
endif()
