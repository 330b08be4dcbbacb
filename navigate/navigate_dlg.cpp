#include "navigate/navigate_dlg.h"

#include "framework/message_box.h"
#include "framework/win_app.h"
#include "navigate/page_address.h"
#include "res/resource.h"
#include "settings/qxdata.h"
#include "shell/shell_util.h"

CNavigateDlg::CNavigateDlg(CDialog* parent) : CDialog(IDD_NAVIGATE_DIALOG, parent) {}

void CNavigateDlg::DoDataExchange()
{
    DDX_Control(m_hWnd, IDC_SERVER_ADDRESS, m_editServerAddress);
    DDX_Control(m_hWnd, IDC_PROJECT_AREA, m_editProjectArea);
}

BOOL CNavigateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    char title[256] = {};
    CWinApp* app = AfxGetApp();
    LoadStringA(app ? app->m_hInstance : GetModuleHandleA(nullptr), IDS_NAVIGATE_TITLE, title, sizeof(title));
    SetWindowTextA(m_hWnd, title);

    CQXdata data;
    data.Load();
    m_editServerAddress.SetWindowText(data.ServerUri());
    m_editProjectArea.SetWindowText(data.ProjectArea());
    return TRUE;
}

BOOL CNavigateDlg::OnCommand(WORD id, WORD code)
{
    if (id == IDOK && code == BN_CLICKED) {
        OnGo();
        return TRUE;
    }
    return FALSE;
}

void CNavigateDlg::OnGo()
{
    const std::string serverAddress = m_editServerAddress.GetWindowText();
    // Only a web address goes to the shell: anything else would have it open
    // a file or start a program instead of a page.
    if (!IsWebAddress(serverAddress)) {
        AfxMessageBox("Invalid server URI");
        return;
    }

    CQXdata data;   // keeps the stored user name as it was
    data.SetServerUri(serverAddress);
    data.SetProjectArea(m_editProjectArea.GetWindowText());
    data.Save();
    OpenModelPage();
}

void CNavigateDlg::OpenModelPage()
{
    const std::string address = ComposeModelPageAddress(m_editServerAddress.GetWindowText(),
                                                         m_strModelName,
                                                         m_editProjectArea.GetWindowText());
    CShellUtil shell;
    HANDLE process = shell.Execute(address, "", SW_SHOWNORMAL);
    if (process)
        CloseHandle(process);
}
