// What the program does with an exception that nothing caught (none should: every handler is guarded):
// it puts back what it changed for the whole logon and ends at once. The C++ runtime's own handler prints the
// exception's type first, which a program without a console cannot show, and brings the runtime's name demangler and
// formatted printing into the executable, some 60 KB of it.
#include <cstdlib>
#include <exception>

#include "sampler/system_cursors_win.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    tintrel::RestoreSystemCursors();
    std::abort();
}

}  // namespace __gnu_cxx
