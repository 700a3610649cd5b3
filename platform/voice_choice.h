// Which installed voice reads the program's sentences, which are English. The
// system's default voice speaks the language Windows was installed in, and
// reads English with its sounds, though an English voice is often installed
// beside it. Portable: the native tests check the choice.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morvane::platform {

// A voice's languages are its token's Language attribute: language
// identifiers in hexadecimal, separated by ";" ("409", "809;9"), empty where
// it has none. Given the default voice's and those of every installed voice,
// in the order the system lists them: the installed voice to take, or
// nullopt to keep the default, as where it is English or no voice is.
std::optional<std::size_t> EnglishVoiceChoice(std::wstring_view default_languages,
                                              std::span<const std::wstring> installed_languages);

}  // namespace morvane::platform
