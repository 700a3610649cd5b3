// The bytes of a resource linked into the program as data.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace morvane::artwork {

// The resource `name` of `type`; no bytes if there is none. They stay mapped
// as long as the module is loaded.
inline std::span<const std::uint8_t> FindBytes(HINSTANCE instance, const wchar_t* name,
                                               const wchar_t* type) {
  HRSRC found = ::FindResourceW(instance, name, type);
  HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
  if (loaded == nullptr) {
    return {};
  }
  return {static_cast<const std::uint8_t*>(::LockResource(loaded)),
          ::SizeofResource(instance, found)};
}

}  // namespace morvane::artwork
