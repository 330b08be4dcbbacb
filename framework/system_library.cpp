#include "framework/system_library.h"

FARPROC GetSystemProc(const char* library, const char* name)
{
    // Loaded once and kept for the life of the process, like an import.
    HMODULE module = GetModuleHandleA(library);
    if (!module)
        module = LoadLibraryA(library);
    return module ? GetProcAddress(module, name) : nullptr;
}
