// The load hook of libwqjdll.so: the dynamic loader runs these when the
// library is loaded into and unloaded from a process, as Windows delivers
// process attach and detach to the DLL.
#include "frame/library.h"

namespace {

__attribute__((constructor)) void wqjdll_loaded() {
    wqj::detail::on_process_attach();
    wqj::LIBMAIN(nullptr, 1, nullptr);
}

__attribute__((destructor)) void wqjdll_unloaded() {
    wqj::LIBMAIN(nullptr, 0, nullptr);
    wqj::detail::on_process_detach();
}

}  // namespace
