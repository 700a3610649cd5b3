// Which installed voice reads the program's sentences, and in which
// language. The system's default voice speaks the language Windows was
// installed in; the sentences are made in it where the program has its
// words, and otherwise in English, which a voice of another language reads
// with its own sounds, though an English voice is often installed beside it.
// Portable: the native tests check the choice.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/voice.h"

namespace morvane::platform {

struct VoiceChoice {
  std::optional<std::size_t> voice;  // the installed voice to take; nullopt keeps the default
  Language language;                 // of the sentences
};

// A voice's languages are its token's Language attribute: language
// identifiers in hexadecimal, separated by ";" ("409", "809;9"), blanks
// around them left out; empty where it has none. Given the default voice's
// and those of every installed voice, in the order they are looked for:
// - a default with a language in `spoken` is kept, and speaks the first;
// - a default whose languages cannot be read is kept, and speaks English:
//   it is the user's choice, and may well be English;
// - otherwise the first English voice installed is taken, and with none the
//   default kept; either speaks English.
VoiceChoice ChooseVoice(std::wstring_view default_languages,
                        std::span<const std::wstring> installed_languages,
                        const SpokenLanguages& spoken);

}  // namespace morvane::platform
