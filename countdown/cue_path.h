// Where the cue files lie: a "Sounds" folder beside the executable.
#pragma once

#include <string>
#include <string_view>

#include "countdown/cue.h"

namespace morvane {

// The folder part of an executable's full path, without a trailing "\"
// except at a drive root ("C:\"), where the joined path then holds two
// separators in a row, which the system accepts.
std::wstring FolderOf(std::wstring_view executable_path);

// The cue's file: the program's folder followed by "\Sounds\<name>.wav".
std::wstring CuePath(std::wstring_view program_folder, Cue cue);

}  // namespace morvane
