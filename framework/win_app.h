// The application object: one instance, started once from WinMain.
#pragma once

#include <windows.h>

#include <string>

class CCommandLineInfo;
class CDialog;

#define ID_HELP 0xE146
#define HID_BASE_RESOURCE 0x20000

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // Runs the program; returns FALSE to end it without a message loop.
    virtual BOOL InitInstance() = 0;

    // Hands each command-line word after the program path to info.
    void ParseCommandLine(CCommandLineInfo& info);

    // F1: asks the Windows Help engine for the open dialog's context.
    void OnHelp(HWND hwnd, UINT dialogId);

    // Commands that no window handled end here.
    virtual BOOL OnCmdMsg(UINT id, HWND hwnd, UINT dialogId);

    HINSTANCE m_hInstance = nullptr;
    std::string m_pszAppName;   // the executable's name without folder and extension
    std::string m_pszHelpFilePath;
    CDialog* m_pMainWnd = nullptr;

    // Called by WinMain once the C run time has started.
    int Start(HINSTANCE instance);
};

CWinApp* AfxGetApp();

// The window that owns a message box: the main window, else the active one.
HWND AfxGetOwnerWindow();
