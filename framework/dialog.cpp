#include "framework/dialog.h"

#include "framework/win_app.h"

CDialog::CDialog(UINT templateId, CDialog* parent)
    : m_nIDTemplate(templateId), m_pParent(parent)
{
}

CDialog::~CDialog() {}

// F1 in a modal dialog (or in a message box over it) becomes the help
// command of the main window, or of the active window when there is none.
static HHOOK g_helpHook = nullptr;

static LRESULT CALLBACK HelpKeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN && msg->wParam == VK_F1) {
        CWinApp* app = AfxGetApp();
        HWND target = (app && app->m_pMainWnd) ? app->m_pMainWnd->m_hWnd : nullptr;
        if (!target)
            target = GetActiveWindow();
        if (target) {
            SendMessageA(target, WM_COMMAND, ID_HELP, 0);
            return TRUE;
        }
    }
    return CallNextHookEx(g_helpHook, code, wParam, lParam);
}

INT_PTR CDialog::DoModal()
{
    // With no parent given, a dialog is owned by the main window when there
    // is one (the About box), else by the active window, if any.
    HWND owner = m_pParent ? m_pParent->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this)
            owner = app->m_pMainWnd->m_hWnd;
    }
    if (!owner)
        owner = GetActiveWindow();

    CWinApp* app = AfxGetApp();
    HINSTANCE instance = app ? app->m_hInstance : GetModuleHandleA(nullptr);
    const bool ownsHook = g_helpHook == nullptr;
    if (ownsHook)
        g_helpHook = SetWindowsHookExA(WH_MSGFILTER, HelpKeyFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (ownsHook && g_helpHook) {
        UnhookWindowsHookEx(g_helpHook);
        g_helpHook = nullptr;
    }
    return result;
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

BOOL CDialog::OnCommand(WORD, WORD)
{
    return FALSE;
}

BOOL CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR*)
{
    return FALSE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// A template placed at 0,0 is centred when it first appears: over its owner,
// or on the screen's work area when it has none.
void CDialog::CenterOnFirstShow()
{
    RECT self;
    GetWindowRect(m_hWnd, &self);
    RECT area;
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);

    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    const INT_PTR result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->m_hWnd = nullptr;
    return result;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        CenterOnFirstShow();
        return OnInitDialog();
    }
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        const WORD code = HIWORD(wParam);
        if (OnCommand(id, code))
            return TRUE;
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        CWinApp* app = AfxGetApp();
        return app ? app->OnCmdMsg(id, m_hWnd, m_nIDTemplate) : FALSE;
    }
    case WM_HELP:
        // F1: the help command goes the way of every unhandled command.
        SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0);
        return TRUE;
    default: {
        INT_PTR result = 0;
        if (OnMessage(message, wParam, lParam, &result)) {
            // These few messages take their answer straight from the
            // dialog procedure; the rest through DWLP_MSGRESULT.
            if (message == WM_QUERYDRAGICON)
                return result;
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
    }
}
