#include "framework/message_box.h"

#include "framework/win_app.h"

int AfxMessageBox(const std::string& text)
{
    CWinApp* app = AfxGetApp();
    const char* caption = app ? app->m_pszAppName.c_str() : "";
    return MessageBoxA(AfxGetOwnerWindow(), text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
}
