#include "framework/file_dialog.h"

#include "framework/system_library.h"
#include "framework/win_app.h"

#include <string.h>

CFileDialog::CFileDialog(bool openDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter)
    : m_openDialog(openDialog),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_filter(filter ? filter : "")
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    memset(m_fileName, 0, sizeof(m_fileName));
    if (fileName)
        strncpy(m_fileName, fileName, sizeof(m_fileName) - 1);

    for (char& c : m_filter) {
        if (c == '|')
            c = '\0';
    }
    m_filter += '\0';

    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof(m_fileName);
    m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    m_ofn.lpstrFilter = m_filter.size() > 1 ? m_filter.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    CWinApp* app = AfxGetApp();
    m_ofn.hInstance = app ? app->m_hInstance : nullptr;
    if (!m_ofn.hwndOwner)
        m_ofn.hwndOwner = AfxGetOwnerWindow();
    typedef BOOL(WINAPI * FileNameFunction)(OPENFILENAMEA*);
    const FileNameFunction getFileName = GetSystemFunction<FileNameFunction>(
        "comdlg32.dll", m_openDialog ? "GetOpenFileNameA" : "GetSaveFileNameA");
    return (getFileName && getFileName(&m_ofn)) ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const
{
    return m_fileName;
}
