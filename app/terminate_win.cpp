// What the program does with an exception that nothing caught (none should: every handler is guarded):
// it ends at once. The C++ runtime's own handler prints the exception's type first, which a program
// without a console cannot show, and brings the runtime's name demangler and formatted printing into the
// executable, some 60 KB of it.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
