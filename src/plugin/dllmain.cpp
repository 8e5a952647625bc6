// Library entry on Windows. The module-level objects are constructed and
// destroyed by the C++ run-time around this; the plug-in needs nothing more at
// load or unload, and thread notifications are of no use to it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
