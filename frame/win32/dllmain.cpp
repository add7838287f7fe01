// The load hook of WQJDLL.dll: Windows delivers every loader notification
// here. Process attach resets the library's globals before anything else;
// LIBMAIN answers every notification; process detach then releases every
// table. The host thread's floating-point control word is left as it is:
// each export sets the library's working mode itself and restores the
// host's on return.
#include <windows.h>

#include "frame/library.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    try {
        if (reason == DLL_PROCESS_ATTACH) wqj::detail::on_process_attach();
        BOOL result = wqj::LIBMAIN(instance, static_cast<int32_t>(reason), reserved);
        if (reason == DLL_PROCESS_DETACH) wqj::detail::on_process_detach();
        return result;
    } catch (...) {
        return FALSE;
    }
}
