#include "framework/win_app.h"

#include "framework/command_line.h"
#include "framework/dialog.h"
#include "framework/message_box.h"

#include <stdlib.h>

static CWinApp* g_app = nullptr;

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

HWND AfxGetOwnerWindow()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
        return app->m_pMainWnd->m_hWnd;
    return GetActiveWindow();
}

int CWinApp::Start(HINSTANCE instance)
{
    m_hInstance = instance;

    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    const std::string module(path);

    // The name and the help file follow the executable: Feldora.exe gives
    // the name Feldora and the help file Feldora.HLP beside it.
    const std::string::size_type slash = module.find_last_of("\\/");
    std::string name = module.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string::size_type dot = name.rfind('.');
    std::string stem = module;
    if (dot != std::string::npos) {
        stem = module.substr(0, module.size() - (name.size() - dot));
        name.resize(dot);
    }
    m_pszAppName = name;
    m_pszHelpFilePath = stem + ".HLP";

    InitInstance();
    return 0;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    DeliverCommandLine(__argc, __argv, info);
}

void CWinApp::OnHelp(HWND hwnd, UINT dialogId)
{
    if (!WinHelpA(hwnd, m_pszHelpFilePath.c_str(), HELP_CONTEXT, HID_BASE_RESOURCE + dialogId))
        AfxMessageBox("Failed to launch help.");
}

BOOL CWinApp::OnCmdMsg(UINT id, HWND hwnd, UINT dialogId)
{
    if (id == ID_HELP) {
        OnHelp(hwnd, dialogId);
        return TRUE;
    }
    return FALSE;
}
