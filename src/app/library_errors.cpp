// The standard library's misuse reports and the program's memory, without exceptions. The
// library's own helpers would throw std::logic_error and its kin, which carry their message in a
// copy-on-write string and bring that whole second string implementation into the player (some
// fifty kilobytes on every disc); these report the same text and end the program instead. The
// program's operator new ends it the same way when memory runs out, so that no allocation ever
// returns without memory; the few large buffers that may fail (a picture's pixels) ask first.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

#include "app/library_errors.h"
#include "ui/win32/application.h"

namespace {

app::FatalErrorReport fatal_report = nullptr;
bool ending = false;  // a report that fails the same way ends the program at once

// As the general error handler shows it, with nothing allocated: memory may be what ran out.
void ReportInABox(const char* what) {
  wchar_t text[200] = L"", title[100] = L"";
  ::MultiByteToWideChar(CP_UTF8, 0, what, -1, text, static_cast<int>(std::size(text)) - 1);
  ::MultiByteToWideChar(CP_UTF8, 0, ui::win32::Application::Title().c_str(), -1, title,
                        static_cast<int>(std::size(title)) - 1);
  ::MessageBoxW(::GetActiveWindow(), text, title, MB_OK | MB_ICONERROR);
}

// Ends the program with the library's message; `where`, when given, is the function it names
// first (its first `where_length` characters). Nothing is allocated while it is put together.
[[noreturn]] void LibraryError(const char* what, const char* where = nullptr,
                               size_t where_length = 159) {
  char text[160] = "";
  if (where != nullptr) {
    std::strncat(text, where, where_length < sizeof text - 1 ? where_length : sizeof text - 1);
    std::strncat(text, ": ", sizeof text - 1 - std::strlen(text));
  }
  std::strncat(text, what != nullptr ? what : "library error", sizeof text - 1 - std::strlen(text));
  app::EndWithFatalError(text);
}

constexpr char kOutOfMemory[] = "There is not enough memory to go on.";

}  // namespace

namespace app {

void SetFatalErrorReport(FatalErrorReport report) {
  fatal_report = report;
  ending = false;
}

void EndWithFatalError(const char* what) {
  if (!ending) {
    ending = true;
    (fatal_report != nullptr ? fatal_report : &ReportInABox)(what);
  }
  ::ExitProcess(2);
}

}  // namespace app

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  app::EndWithFatalError(kOutOfMemory);
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size != 0 ? size : 1);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace std {

[[noreturn]] void __throw_bad_exception() {
  LibraryError("bad exception");
}
[[noreturn]] void __throw_bad_alloc() {
  app::EndWithFatalError(kOutOfMemory);
}
[[noreturn]] void __throw_bad_array_new_length() {
  app::EndWithFatalError(kOutOfMemory);
}
[[noreturn]] void __throw_bad_cast() {
  LibraryError("bad cast");
}
[[noreturn]] void __throw_bad_typeid() {
  LibraryError("bad typeid");
}
[[noreturn]] void __throw_logic_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_domain_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_invalid_argument(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_length_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_out_of_range(const char* what) {
  LibraryError(what);
}
// The library's formats name the function first, as text ("vector::_M_range_check: __n (which
// is %zu) ...") or as the first argument ("%s: __pos (which is %zu) ..."); the message keeps the
// name and leaves the numbers out.
[[noreturn]] void __throw_out_of_range_fmt(const char* format, ...) {
  if (format == nullptr) LibraryError(format);
  if (std::strncmp(format, "%s", 2) == 0) {
    va_list arguments;
    va_start(arguments, format);
    const char* where = va_arg(arguments, const char*);
    va_end(arguments);
    LibraryError("position out of range", where);
  }
  const char* end = std::strstr(format, ": ");
  LibraryError("position out of range", format,
               end != nullptr ? static_cast<size_t>(end - format) : std::strlen(format));
}
[[noreturn]] void __throw_runtime_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_range_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_overflow_error(const char* what) {
  LibraryError(what);
}
[[noreturn]] void __throw_underflow_error(const char* what) {
  LibraryError(what);
}

}  // namespace std
