// The second mode: stores the server address and project area and opens a
// model's page on the QX server in the browser.
#pragma once

#include "framework/dialog.h"
#include "framework/edit.h"

#include <string>
#include <utility>

class CNavigateDlg : public CDialog {
public:
    explicit CNavigateDlg(CDialog* parent = nullptr);

    // The model whose page Go opens; never shown.
    void SetModelName(std::string name) { m_strModelName = std::move(name); }

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code) override;

private:
    void OnGo();
    void OpenModelPage();

    std::string m_strModelName;
    CEdit m_editServerAddress;
    CEdit m_editProjectArea;
};
