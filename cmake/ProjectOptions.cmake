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

# An executable whose resource script embeds the application manifest
# (1 RT_MANIFEST). The Visual Studio linker would add a default manifest of
# its own under the same id and fail (CVT1100, LNK1123); the resource is
# rebuilt when the manifest changes, which the resource compiler's dependency
# scan does not see.
function(morvane_manifest_from_resources target resource_script)
  set_property(SOURCE ${resource_script} APPEND PROPERTY OBJECT_DEPENDS
    ${MORVANE_ROOT}/app/Morvane.manifest)
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()

# Release binaries are shipped small and stripped. The program spends its
# time waiting for messages, so its code is optimised for size; each function
# and datum gets a section of its own, and the linker drops those nothing
# uses. (It cannot drop a function of the static runtime whose exception
# tables are linked in: those keep every function of their object file. See
# app/runtime_errors.cpp for what is left out instead.)
#
# The sections are aligned in the file to whole pages (4096 bytes, not the
# linker's 512). Windows maps an executable's sections from its file however
# they lie, but Wine maps only those that start at a page boundary in the file
# and copies the others into the process's own memory: the whole image, some
# 960 KiB of private bytes, most of them the pictures' resources. The padding
# costs about 24 KB of the program's 1 MiB. MSVC's linker aligns to 512 as
# well; its builds are not run under Wine.
if(MINGW)
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
  set(CMAKE_EXE_LINKER_FLAGS_RELEASE
    "${CMAKE_EXE_LINKER_FLAGS_RELEASE} -Wl,--gc-sections -s -Wl,--file-alignment,4096")
endif()

# A release is reproducible: the same sources give the same bytes, whoever
# builds them wherever and whenever (scripts/check-reproducible). The linkers
# would write the time of the link into the executable's header, and so into
# its checksum; a source's path, which __FILE__ gives, is written relative to
# the repository.
if(MSVC)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:/Brepro>)
  add_link_options(/Brepro)
elseif(MINGW)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>)
  add_link_options(LINKER:--no-insert-timestamp)
endif()
