// F1 in either window asks the Windows Help engine for the help file named
// like the program, at the open window's help context. The engine is found
// by its window class; this test owns the only window of that class, so
// the request comes here instead of to Wine's help viewer.
// When no engine runs and none can be started, F1 says so.
#include "feldora_process.h"
#include "feldora_ui.h"
#include "files.h"
#include "message_box.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

// What a help request carries: its command, its data and the help file.
struct HelpRequest {
    bool received = false;
    unsigned command = 0;
    unsigned long data = 0;
    std::string file;
};

HelpRequest g_request;

// The layout of the help engine's request record, as WinHelp sends it.
#pragma pack(push, 1)
struct WinHelpRecord {
    unsigned short size;
    unsigned short command;
    long data;
    long reserved;
    unsigned short ofsFilename;
    unsigned short ofsData;
};
#pragma pack(pop)

LRESULT CALLBACK HelpEngineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy->cbData >= sizeof(WinHelpRecord)) {
            const char* bytes = static_cast<const char*>(copy->lpData);
            const WinHelpRecord* record = reinterpret_cast<const WinHelpRecord*>(bytes);
            g_request.received = true;
            g_request.command = record->command;
            g_request.data = static_cast<unsigned long>(record->data);
            if (record->ofsFilename && record->ofsFilename < copy->cbData)
                g_request.file.assign(bytes + record->ofsFilename,
                                      strnlen(bytes + record->ofsFilename, copy->cbData - record->ofsFilename));
        }
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class HelpEngine {
public:
    HelpEngine()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HelpEngineProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MS_WINHELP";
        RegisterClassA(&wc);
        m_window = CreateWindowA("MS_WINHELP", "Help engine stand-in", WS_POPUP, 0, 0, 1, 1,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HelpEngine() { DestroyWindow(m_window); }

    // Handles this thread's messages until a request arrives.
    bool WaitForRequest(DWORD timeoutMs = kWaitMs)
    {
        const DWORD start = GetTickCount();
        while (!g_request.received && GetTickCount() - start < timeoutMs) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        return g_request.received;
    }

    HWND m_window = nullptr;
};

std::string Upper(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

struct HelpCase {
    const char* arguments;
    const char* title;
    unsigned long context;   // 0x20000 plus the window's dialog id
};

// Waits for the window and presses F1 in its focused box; the window, or
// null when it did not come or had no focus.
HWND PressF1InWindow(const FeldoraProcess& feldora, const char* title)
{
    HWND window = feldora.WaitForWindow(title);
    if (!window || !SyncWithWindowThread(window))
        return nullptr;
    HWND focus = FocusedWindow(window);
    EXPECT_NE(focus, nullptr) << "nothing has the focus in " << title;
    if (!focus)
        return nullptr;
    PressKey(focus, VK_F1);
    return window;
}

class F1Help : public testing::TestWithParam<HelpCase> {};

TEST_P(F1Help, AsksForTheWindowsHelpContext)
{
    const HelpCase& c = GetParam();
    g_request = HelpRequest();
    HelpEngine engine;
    ASSERT_NE(engine.m_window, nullptr);

    TempFolder folder;
    FeldoraProcess feldora(c.arguments, folder);
    HWND window = PressF1InWindow(feldora, c.title);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(engine.WaitForRequest()) << "F1 asked the help engine for nothing";
    EXPECT_EQ(g_request.command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(g_request.data, c.context);
    // The help file is named like the program, beside it; the help engine
    // matches file names in any case.
    EXPECT_EQ(Upper(g_request.file), Upper(FeldoraFolder() + "Feldora.HLP"));
}

INSTANTIATE_TEST_SUITE_P(Windows, F1Help, testing::Values(
    HelpCase{"", kExportTitle, 0x20066},
    HelpCase{"mode=launchqx modelname=plant", kNavigateTitle, 0x20081}));

// With no help engine running, WinHelp starts winhlp32.exe, looking in the
// working folder before the system's. A winhlp32.exe there that Windows
// cannot run makes the help engine fail to start: F1 then says so in
// Feldora's message box, and the window stays.
class F1HelpEngineMissing : public testing::TestWithParam<HelpCase> {};

TEST_P(F1HelpEngineMissing, SaysThatHelpFailedToLaunch)
{
    const HelpCase& c = GetParam();
    ASSERT_EQ(FindWindowA("MS_WINHELP", nullptr), nullptr) << "a help engine runs already";

    TempFolder folder;
    ASSERT_TRUE(WriteWholeFile(folder.WorkFolder() + "winhlp32.exe", "this is no program\r\n"));
    FeldoraProcess feldora(c.arguments, folder);
    HWND window = PressF1InWindow(feldora, c.title);
    ASSERT_NE(window, nullptr);
    HWND box = WaitForMessageBox(feldora.Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Failed to launch help.");
    EXPECT_EQ(MessageBoxButtons(box), std::vector<int>{IDOK});
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    ASSERT_TRUE(DismissMessageBox(box));
    ASSERT_TRUE(SyncWithWindowThread(window));
    EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr) << "a second message followed";
    EXPECT_EQ(feldora.Windows(), std::vector<HWND>{window});
}

INSTANTIATE_TEST_SUITE_P(Windows, F1HelpEngineMissing, testing::Values(
    HelpCase{"", kExportTitle, 0x20066},
    HelpCase{"mode=launchqx modelname=plant", kNavigateTitle, 0x20081}));

}  // namespace
