#include "framework/edit.h"

std::string CEdit::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void CEdit::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

void DDX_Control(HWND dialog, int id, CEdit& edit)
{
    edit.m_hWnd = GetDlgItem(dialog, id);
}
