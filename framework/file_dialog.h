// The platform's open-file dialog, owned by the window that runs it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // filter: pairs of "shown name|pattern|", as "Model Files (*.mdl)|*.mdl|".
    CFileDialog(bool openDialog, const char* defaultExtension, const char* fileName,
                DWORD flags, const char* filter);

    INT_PTR DoModal();
    std::string GetPathName() const;

    OPENFILENAMEA m_ofn;

private:
    bool m_openDialog;
    std::string m_defaultExtension;
    std::string m_filter;   // with "|" turned into the zero bytes the platform wants
    char m_fileName[MAX_PATH];
};
