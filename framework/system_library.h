// Functions of system DLLs that only some commands use (the shell's execute
// service, the open-file dialog) are looked up when first called, so that
// starting the program does not load those DLLs and what they pull in.
#pragma once

#include <windows.h>

// The address of name in the system DLL library, loaded on first use; null
// when either is missing.
FARPROC GetSystemProc(const char* library, const char* name);

// The same, as a pointer to a function of type F.
template <typename F>
F GetSystemFunction(const char* library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetSystemProc(library, name)));
}
