#include "app/export_app.h"

#include "app/key_value_command_line_info.h"
#include "export/export_dlg.h"
#include "navigate/navigate_dlg.h"

CExportApp theApp;

BOOL CExportApp::InitInstance()
{
    CKeyValueCommandLineInfo options;
    ParseCommandLine(options);

    if (IsNavigateMode(options.GetOption("mode"))) {
        CNavigateDlg dialog;
        dialog.SetModelName(options.GetOption("modelname"));
        dialog.DoModal();
    } else {
        const std::string modelPath = options.GetOption("model");
        CExportDlg dialog;
        m_pMainWnd = &dialog;
        if (!modelPath.empty())
            dialog.SetModelPath(modelPath);
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
