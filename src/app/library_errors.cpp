// The standard library reports a misuse inside its containers and strings (a length beyond
// max_size(), an index out of range) through these helpers. Its own versions throw
// std::logic_error and its kin, which carry their message in a copy-on-write string and bring
// that whole second string implementation into the player (some fifty kilobytes on every disc).
// These throw the same kind of failure without it: the window procedures' handler still catches
// it as a std::exception and shows its text, and allocation failures stay std::bad_alloc.
#include <cstdarg>
#include <cstring>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryError : public std::exception {
 public:
  // `what` is the library's message; `where`, when given, the function it names first (its
  // first `where_length` characters).
  explicit LibraryError(const char* what, const char* where = nullptr,
                        size_t where_length = sizeof text_) {
    text_[0] = '\0';
    if (where != nullptr) {
      std::strncat(text_, where, where_length < sizeof text_ - 1 ? where_length : sizeof text_ - 1);
      std::strncat(text_, ": ", sizeof text_ - 1 - std::strlen(text_));
    }
    std::strncat(text_, what != nullptr ? what : "library error",
                 sizeof text_ - 1 - std::strlen(text_));
  }
  const char* what() const noexcept override { return text_; }

 private:
  char text_[160];  // no allocation while reporting a failure
};

}  // namespace

namespace std {

[[noreturn]] void __throw_bad_exception() {
  throw std::bad_exception();
}
[[noreturn]] void __throw_bad_alloc() {
  throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_array_new_length() {
  throw std::bad_array_new_length();
}
[[noreturn]] void __throw_bad_cast() {
  throw std::bad_cast();
}
[[noreturn]] void __throw_bad_typeid() {
  throw std::bad_typeid();
}
[[noreturn]] void __throw_logic_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_domain_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_invalid_argument(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_length_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_out_of_range(const char* what) {
  throw LibraryError(what);
}
// The library's formats name the function first, as text ("vector::_M_range_check: __n (which
// is %zu) ...") or as the first argument ("%s: __pos (which is %zu) ..."); the message keeps the
// name and leaves the numbers out.
[[noreturn]] void __throw_out_of_range_fmt(const char* format, ...) {
  if (format == nullptr) throw LibraryError(format);
  if (std::strncmp(format, "%s", 2) == 0) {
    va_list arguments;
    va_start(arguments, format);
    const char* where = va_arg(arguments, const char*);
    va_end(arguments);
    throw LibraryError("position out of range", where);
  }
  const char* end = std::strstr(format, ": ");
  throw LibraryError("position out of range", format,
                     end != nullptr ? static_cast<size_t>(end - format) : std::strlen(format));
}
[[noreturn]] void __throw_runtime_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_range_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_overflow_error(const char* what) {
  throw LibraryError(what);
}
[[noreturn]] void __throw_underflow_error(const char* what) {
  throw LibraryError(what);
}

}  // namespace std
