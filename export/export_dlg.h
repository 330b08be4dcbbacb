// The main window: gathers model, server, project area, user name and
// password, and starts MATLAB's export through "cmd".
#pragma once

#include "framework/dialog.h"
#include "framework/edit.h"

#include <string>
#include <utility>

class CExportDlg : public CDialog {
public:
    explicit CExportDlg(CDialog* parent = nullptr);

    // The model path shown when the window opens.
    void SetModelPath(std::string path) { m_strModelPath = std::move(path); }

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code) override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    void AddAboutMenuEntry();
    BOOL OnSysCommand(UINT id);
    BOOL OnPaint();
    HICON OnQueryDragIcon();

    void OnExport();
    void OnBrowseModel();
    void OnSetMatlabPath();
    void OnExit();

    bool CheckInputs(const std::string& modelPath, const std::string& serverAddress,
                     const std::string& projectArea, const std::string& userName,
                     const std::string& password);
    void StoreSettings();
    std::string GetProgramFolder();
    HANDLE Execute(const std::string& target, const std::string& parameters, int showMode);

    CEdit m_editOutput;
    CEdit m_editUserName;
    CEdit m_editServerAddress;
    CEdit m_editPassword;
    CEdit m_editProjectArea;
    CEdit m_editModelFile;
    HICON m_hIcon;
    std::string m_strModelPath;
};
