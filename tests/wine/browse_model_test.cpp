// Choosing the model file with "..." in Wine's open-file dialog, driven as
// a user would: a name typed into its file-name box, then Open or Cancel.
#include "feldora_process.h"
#include "feldora_ui.h"
#include "files.h"
#include "settings_file.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Controls of the platform's explorer-style open-file dialog.
const int kFileNameBox = 0x47C;     // cmb13: an edit inside a combo box
const int kFileTypeBox = 0x470;     // cmb1
const int kReadOnlyCheck = 0x410;   // chx1

class BrowseModel : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryA(Models().c_str(), nullptr));
        ASSERT_TRUE(WriteWholeFile(Models() + "plant.mdl", "Model {\n}\n"));
        ASSERT_TRUE(WriteWholeFile(Models() + "x.mdl", "Model {\n}\n"));
    }

    std::string Models() const { return m_folder.Path() + "models\\"; }

    // Presses "..." and waits for the open-file dialog.
    HWND OpenBrowseDialog(const FeldoraProcess& feldora, HWND dialog)
    {
        ClickButton(dialog, kBrowse);
        // The shell's folder view takes a while to start under Wine.
        HWND browse = feldora.WaitForWindow(kBrowseTitle, 2 * kWaitMs);
        if (browse) {
            EXPECT_EQ(GetWindow(browse, GW_OWNER), dialog) << "the open-file dialog is not owned by the window";
            EXPECT_FALSE(IsWindowEnabled(dialog)) << "the open-file dialog is not modal";
        }
        return browse;
    }

    static void TypeFileName(HWND browse, const std::string& name)
    {
        HWND edit = FindDescendant(browse, kFileNameBox, "Edit");
        ASSERT_NE(edit, nullptr) << "the open-file dialog has no file-name box";
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }

    static void Press(HWND browse, int id)
    {
        HWND button = FindDescendant(browse, id, "Button");
        ASSERT_NE(button, nullptr) << "the open-file dialog has no button " << id;
        PostMessageA(button, BM_CLICK, 0, 0);
    }

    static bool WaitUntilClosed(HWND browse, HWND dialog)
    {
        bool closed = WaitUntil([&] { return !IsWindow(browse); }) && SyncWithWindowThread(dialog);
        EXPECT_TRUE(closed) << "the open-file dialog did not close";
        return closed;
    }

    TempFolder m_folder;
};

TEST_F(BrowseModel, ChosenFileReplacesTheModelPath)
{
    FeldoraProcess feldora("\"model=C:\\from command line\\m.mdl\"", m_folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kServerAddress, "https://h/qx");
    SetControlText(dialog, kOutput, "earlier notes");

    HWND browse = OpenBrowseDialog(feldora, dialog);
    ASSERT_NE(browse, nullptr);
    // One filter, for model files, and no read-only check box.
    HWND types = FindDescendant(browse, kFileTypeBox, "ComboBox");
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(WindowText(types), "Model Files (*.mdl)");
    HWND readOnly = FindDescendant(browse, kReadOnlyCheck, "Button");
    EXPECT_TRUE(!readOnly || !IsWindowVisible(readOnly)) << "the read-only check box shows";

    TypeFileName(browse, Models() + "plant.mdl");
    Press(browse, IDOK);
    ASSERT_TRUE(WaitUntilClosed(browse, dialog));

    EXPECT_EQ(ControlText(dialog, kModelFile), Models() + "plant.mdl");
    EXPECT_EQ(ControlText(dialog, kServerAddress), "https://h/qx");
    EXPECT_EQ(ControlText(dialog, kOutput), "earlier notes");
    EXPECT_FALSE(FileExists(SettingsFilePath(m_folder))) << "browsing wrote the settings file";

    // A name typed without extension gets ".mdl". Wine's dialog checks that
    // the typed name exists before it adds the default extension, so the
    // file "x" must exist too; without a default extension the result
    // would be that file.
    ASSERT_TRUE(WriteWholeFile(Models() + "x", "not a model\n"));
    browse = OpenBrowseDialog(feldora, dialog);
    ASSERT_NE(browse, nullptr);
    TypeFileName(browse, Models() + "x");
    Press(browse, IDOK);
    ASSERT_TRUE(WaitUntilClosed(browse, dialog));
    EXPECT_EQ(ControlText(dialog, kModelFile), Models() + "x.mdl");
    EXPECT_TRUE(feldora.Running());
}

TEST_F(BrowseModel, CancelKeepsTheModelPath)
{
    FeldoraProcess feldora("model=C:\\kept.mdl", m_folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    HWND browse = OpenBrowseDialog(feldora, dialog);
    ASSERT_NE(browse, nullptr);
    TypeFileName(browse, Models() + "plant.mdl");
    Press(browse, IDCANCEL);
    ASSERT_TRUE(WaitUntilClosed(browse, dialog));
    EXPECT_EQ(ControlText(dialog, kModelFile), "C:\\kept.mdl");

    // A file that does not exist is refused by the dialog itself, which
    // stays open until it is cancelled.
    browse = OpenBrowseDialog(feldora, dialog);
    ASSERT_NE(browse, nullptr);
    TypeFileName(browse, Models() + "missing.mdl");
    Press(browse, IDOK);
    HWND refusal = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND window : feldora.Windows()) {
            if (GetWindow(window, GW_OWNER) == browse)
                refusal = window;
        }
        return refusal != nullptr;
    })) << "the open-file dialog accepted a file that does not exist";
    PostMessageA(refusal, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(refusal); }));
    EXPECT_TRUE(IsWindow(browse));
    Press(browse, IDCANCEL);
    ASSERT_TRUE(WaitUntilClosed(browse, dialog));
    EXPECT_EQ(ControlText(dialog, kModelFile), "C:\\kept.mdl");
    EXPECT_TRUE(feldora.Running());
}

}  // namespace
