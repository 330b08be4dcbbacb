#include "export/export_dlg.h"

#include "export/about_dlg.h"
#include "export/export_texts.h"
#include "export/matlab_command.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "settings/qxdata.h"
#include "shell/shell_util.h"

CExportDlg::CExportDlg(CDialog* parent) : CDialog(IDD_EXPORT_DIALOG, parent)
{
    CWinApp* app = AfxGetApp();
    m_hIcon = LoadIconA(app ? app->m_hInstance : GetModuleHandleA(nullptr),
                        MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CExportDlg::DoDataExchange()
{
    DDX_Control(m_hWnd, IDC_OUTPUT, m_editOutput);
    DDX_Control(m_hWnd, IDC_USER_NAME, m_editUserName);
    DDX_Control(m_hWnd, IDC_SERVER_ADDRESS, m_editServerAddress);
    DDX_Control(m_hWnd, IDC_PASSWORD, m_editPassword);
    DDX_Control(m_hWnd, IDC_PROJECT_AREA, m_editProjectArea);
    DDX_Control(m_hWnd, IDC_MODEL_FILE, m_editModelFile);
}

BOOL CExportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutMenuEntry();

    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    if (!m_strModelPath.empty())
        m_editModelFile.SetWindowText(m_strModelPath);

    CQXdata data;
    data.Load();
    m_editUserName.SetWindowText(data.UserName());
    m_editServerAddress.SetWindowText(data.ServerUri());
    m_editProjectArea.SetWindowText(data.ProjectArea());
    return TRUE;
}

void CExportDlg::AddAboutMenuEntry()
{
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    char text[256] = {};
    CWinApp* app = AfxGetApp();
    LoadStringA(app ? app->m_hInstance : GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof(text));
    if (text[0] == '\0')
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

BOOL CExportDlg::OnCommand(WORD id, WORD code)
{
    if (code != BN_CLICKED)
        return FALSE;
    switch (id) {
    case IDC_BROWSE:
        OnBrowseModel();
        return TRUE;
    case IDC_SET_PATH:
        OnSetMatlabPath();
        return TRUE;
    case IDOK:
        OnExport();
        return TRUE;
    case IDCANCEL:
        OnExit();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CExportDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result)
{
    switch (message) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<INT_PTR>(OnQueryDragIcon());
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CExportDlg::OnSysCommand(UINT id)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return FALSE;
    CAboutDlg about;
    about.DoModal();
    return TRUE;
}

// Minimised, the window shows its icon centred in the client area.
BOOL CExportDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return FALSE;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(m_hWnd, &rect);
    const int x = (rect.right - rect.left - cx + 1) / 2;
    const int y = (rect.bottom - rect.top - cy + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &ps);
    return TRUE;
}

HICON CExportDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

static bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

// Shows the first missing input, if any; true when all five are there.
bool CExportDlg::CheckInputs(const std::string& modelPath, const std::string& serverAddress,
                             const std::string& projectArea, const std::string& userName,
                             const std::string& password)
{
    const struct {
        const std::string& text;
        const char* message;
    } checks[] = {
        {modelPath, MSG_MODEL_MISSING},
        {serverAddress, MSG_SERVER_MISSING},
        {projectArea, MSG_PROJECT_MISSING},
        {userName, MSG_USER_MISSING},
        {password, MSG_PASSWORD_MISSING},
    };
    for (const auto& check : checks) {
        if (check.text.empty()) {
            AfxMessageBox(check.message);
            return false;
        }
    }
    return true;
}

// The password is never stored.
void CExportDlg::StoreSettings()
{
    CQXdata data;
    data.SetServerUri(m_editServerAddress.GetWindowText());
    data.SetProjectArea(m_editProjectArea.GetWindowText());
    data.SetUserName(m_editUserName.GetWindowText());
    data.Save();
}

void CExportDlg::OnExport()
{
    const std::string modelPath = m_editModelFile.GetWindowText();
    const std::string serverAddress = m_editServerAddress.GetWindowText();
    const std::string projectArea = m_editProjectArea.GetWindowText();
    const std::string userName = m_editUserName.GetWindowText();
    const std::string password = m_editPassword.GetWindowText();

    if (!CheckInputs(modelPath, serverAddress, projectArea, userName, password))
        return;
    CShellUtil shell;
    if (!shell.IsServerAddressValid(serverAddress)) {
        AfxMessageBox(MSG_SERVER_INVALID);
        return;
    }

    StoreSettings();

    ExportArguments args;
    args.modelPath = modelPath;
    args.serverAddress = AppendRootServices(serverAddress);
    args.projectArea = projectArea;
    args.userName = userName;
    args.password = password;
    args.programFolder = GetProgramFolder();

    HANDLE process = Execute("cmd", ComposeExportCommandLine(args, IsLeadByte), SW_HIDE);
    if (!process) {
        m_editOutput.SetWindowText(NOTES_CMD_NOT_STARTED);
        return;
    }
    CloseHandle(process);
    m_editOutput.SetWindowText(NOTES_EXPORT + shell.GetTempFolder());
}

std::string CExportDlg::GetProgramFolder()
{
    char path[260] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    return FolderOfModulePath(path, IsLeadByte);
}

HANDLE CExportDlg::Execute(const std::string& target, const std::string& parameters, int showMode)
{
    CShellUtil shell;
    return shell.Execute(target, parameters, showMode);
}

void CExportDlg::OnBrowseModel()
{
    // OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING
    CFileDialog dialog(true, "mdl", nullptr, 0x881004, "Model Files (*.mdl)|*.mdl|");
    dialog.m_ofn.lpstrTitle = "Browse for Simulink model";
    if (dialog.DoModal() == IDOK)
        m_editModelFile.SetWindowText(dialog.GetPathName());
}

void CExportDlg::OnSetMatlabPath()
{
    HANDLE process = Execute("cmd", kPathToolCommandLine, SW_HIDE);
    if (process)
        CloseHandle(process);
    m_editOutput.SetWindowText(NOTES_PATH_TOOL);
}

void CExportDlg::OnExit()
{
    EndDialog(0);
}
