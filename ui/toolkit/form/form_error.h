// What a form throws when it cannot go on: a window that cannot be made, or a
// control asked for by a name the form does not have.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace morvane::toolkit {

// Not one of the standard exception classes: the static runtime defines those
// with both kinds of std::string and all their exception tables, some 85 KB of
// the program for a message no one sees (app/runtime_errors.cpp).
class FormError : public std::exception {
 public:
  explicit FormError(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

}  // namespace morvane::toolkit
