// What the static C++ runtime does on an error, as Morvane.exe needs it.
//
// Nothing in the program catches an exception: every one that is thrown ends
// it. The runtime's own versions of the functions below build an exception
// carrying a message, and their object file refers to every standard
// exception class, which bring the old and the new std::string, their
// instantiations and their exception tables: about 85 KB of the executable
// (the linker keeps every function of an object file whose exception tables
// it links). Its default terminate handler writes the exception's demangled
// type to standard error, which a windowed program has not: the demangler and
// what it takes in are another 60 KB. These versions end the program at once,
// as the uncaught exception would have.
//
// Only Morvane.exe links this file (MinGW-w64's runtime): the tests keep the
// runtime's own, so that an exception a test meets is still reported with its
// message. The functions below are all that their object files in the
// runtime define (functexcept.o and vterminate.o of libstdc++.a), so that the
// linker never takes those in. Written against GCC 12.2's libstdc++
// (_GLIBCXX_RELEASE 12, __GLIBCXX__ 20220819) with MinGW-w64 10.0, as Debian 12
// ships them (g++-mingw-w64-i686-posix). A runtime that adds, renames or moves
// one of these functions gets one of those objects linked in after all: the
// link then fails, on a definition made twice or on the check that follows
// every link of Morvane.exe (app/CMakeLists.txt), in every build that makes
// the program, scripts/test's among them.
#include <cstdlib>
#include <exception>  // declares the terminate handler
#include <string>     // declares the functions that throw

namespace std {

void __throw_bad_exception() { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_cast() { std::abort(); }
void __throw_bad_typeid() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_domain_error(const char*) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_runtime_error(const char*) { std::abort(); }
void __throw_range_error(const char*) { std::abort(); }
void __throw_overflow_error(const char*) { std::abort(); }
void __throw_underflow_error(const char*) { std::abort(); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
