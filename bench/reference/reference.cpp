// The least a dialog program can do: show one dialog from a template and
// put its command line into the field 1002, where the benchmark looks for
// it. Feldora's start-up is measured against this.
#include <windows.h>

#include "reference_ids.h"

static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_REFERENCE_FIELD, reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_REFERENCE), nullptr,
                                            DialogProc, reinterpret_cast<LPARAM>(commandLine)));
}
