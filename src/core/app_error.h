// An error that the operation meeting it does not handle itself: it ends the current command
// and reaches the application's general error handler, which reports it (creating a file,
// saving an icon, writing a text file).
#pragma once

#include <stdexcept>
#include <string>

namespace core {

class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace core
