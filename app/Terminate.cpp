// The C++ run time's default terminate handler prints the type of the
// uncaught exception, which pulls its symbol demangler (about 45 KB) into
// the program. Every exception of the installer is caught (window
// procedures and start-up catch all), so terminate only ever aborts.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
