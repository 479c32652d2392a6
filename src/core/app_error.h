// An error that the operation meeting it does not handle itself: it ends the current command
// and reaches the application's general error handler, which reports it (creating a file,
// saving an icon, writing a text file).
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace core {

// Holds its message itself rather than deriving from std::runtime_error, whose copy-on-write
// string machinery would otherwise be linked into the player for this one class.
class AppError : public std::exception {
 public:
  explicit AppError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace core
