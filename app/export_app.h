// The application: reads the options and runs the export window or, with
// mode=launchqx, the navigate window.
#pragma once

#include "framework/win_app.h"

class CExportApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

extern CExportApp theApp;
