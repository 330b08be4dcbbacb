// An edit control of a dialog, bound by id once the dialog exists.
#pragma once

#include <windows.h>

#include <string>

class CEdit {
public:
    HWND m_hWnd = nullptr;

    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
};

// Binds edit to the dialog's control id.
void DDX_Control(HWND dialog, int id, CEdit& edit);
