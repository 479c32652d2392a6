// What happens when an exception escapes everything (the window procedures catch them all, so
// in practice never): the program ends at once. This replaces the standard library's verbose
// handler, whose demangler would add some fifty kilobytes to the player on every disc.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
