// Entry point: the application object was built during static
// initialisation; start it.
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    return app ? app->Start(instance) : 0;
}
