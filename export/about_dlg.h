#pragma once

#include "framework/dialog.h"

// The About box: the program's name, version and legal notice.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
