// The settings record CQXdata against the platform's real profile functions
// under Wine, with this process's temporary folder pointed at a fresh one.
#include "files.h"
#include "scoped_environment.h"
#include "settings_file.h"
#include "temp_folder.h"

#include "settings/qxdata.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Settings : public testing::Test {
protected:
    std::string FileText() const
    {
        std::string text;
        EXPECT_TRUE(ReadWholeFile(SettingsFilePath(m_folder), &text)) << "no settings file";
        return text;
    }

    void WriteFileText(const std::string& text) const
    {
        ASSERT_TRUE(WriteWholeFile(SettingsFilePath(m_folder), text));
    }

    static void Save(const StoredSettings& values)
    {
        CQXdata data;
        data.SetServerUri(values.serverUri);
        data.SetProjectArea(values.projectArea);
        data.SetUserName(values.userName);
        data.Save();
    }

    // Bytes from first up to 0xFF, then again from 0x21, to the given
    // length: every printable byte, high ones included, but no blank or
    // control character, which the profile functions would trim or stop at.
    static std::string VariedText(size_t length, char first)
    {
        std::string text;
        unsigned char byte = static_cast<unsigned char>(first);
        while (text.size() < length) {
            if (byte >= 0x20 && byte != 0x7F)
                text += static_cast<char>(byte);
            byte = static_cast<unsigned char>(byte == 0xFF ? 0x21 : byte + 1);
        }
        return text;
    }

    TempFolder m_folder;
    ScopedTempEnvironment m_environment{m_folder};
};

TEST_F(Settings, FileIsNamedInTheTemporaryFolder)
{
    EXPECT_EQ(CQXdata().GetIniFilePath(), m_folder.Path() + "siqxdata.ini");
}

TEST_F(Settings, NoFileGivesThreeEmptyValues)
{
    CQXdata data;
    EXPECT_EQ(data.ServerUri(), "");
    EXPECT_EQ(data.ProjectArea(), "");
    EXPECT_EQ(data.UserName(), "");
    EXPECT_FALSE(FileExists(SettingsFilePath(m_folder))) << "reading created the file";
}

TEST_F(Settings, FirstSaveWritesFourLines)
{
    const StoredSettings cases[] = {
        {"https://qx.example:9443/qx", "Area 51", "jdoe"},
        {"", "", ""},
        {"https://h/qx?a=b;c", "x=y", "name # with ; marks"},
    };
    for (const StoredSettings& values : cases) {
        SCOPED_TRACE(values.serverUri + "|" + values.projectArea + "|" + values.userName);
        DeleteFileA(SettingsFilePath(m_folder).c_str());
        Save(values);
        EXPECT_EQ(FileText(), "[tarnivex]\r\n"
                              "serverUri=" + values.serverUri + "\r\n"
                              "projectArea=" + values.projectArea + "\r\n"
                              "userName=" + values.userName + "\r\n");
        CQXdata loaded;
        EXPECT_EQ(loaded.ServerUri(), values.serverUri);
        EXPECT_EQ(loaded.ProjectArea(), values.projectArea);
        EXPECT_EQ(loaded.UserName(), values.userName);
    }
}

TEST_F(Settings, SaveKeepsOtherSectionsAndKeys)
{
    WriteFileText("[other]\r\nserverUri=not ours\r\n"
                  "[tarnivex]\r\nserverUri=old\r\nextra=keep me\r\n"
                  "[last]\r\nkey=value\r\n");
    Save({"https://new/qx", "area", "user"});

    std::string text = FileText();
    std::string value;
    EXPECT_TRUE(FindIniValue(text, "other", "serverUri", &value) && value == "not ours") << text;
    EXPECT_TRUE(FindIniValue(text, "last", "key", &value) && value == "value") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "extra", &value) && value == "keep me") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "serverUri", &value) && value == "https://new/qx") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "projectArea", &value) && value == "area") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "userName", &value) && value == "user") << text;
    // The existing key is replaced where it stood, before "extra".
    EXPECT_LT(text.find("serverUri=https://new/qx"), text.find("extra=keep me")) << text;
    EXPECT_EQ(text.find("serverUri=old"), std::string::npos) << text;
}

TEST_F(Settings, LoadTakesWhatTheFileHolds)
{
    WriteFileText("[tarnivex]\r\nserverUri=https://only/qx\r\n");
    CQXdata data;
    EXPECT_EQ(data.ServerUri(), "https://only/qx");
    EXPECT_EQ(data.ProjectArea(), "");
    EXPECT_EQ(data.UserName(), "");

    // Load replaces every value, also one set but not saved.
    data.SetUserName("set, not saved");
    WriteFileText("[tarnivex]\r\nprojectArea=p2\r\n");
    data.Load();
    EXPECT_EQ(data.ServerUri(), "");
    EXPECT_EQ(data.ProjectArea(), "p2");
    EXPECT_EQ(data.UserName(), "");
    data.Load();
    EXPECT_EQ(data.ProjectArea(), "p2");
}

TEST_F(Settings, ValuesOf519BytesAreStoredAndReadWhole)
{
    StoredSettings values = {VariedText(519, 'a'), VariedText(519, '!'), VariedText(519, '\xE9')};
    Save(values);
    EXPECT_EQ(FileText(), SettingsFileText(values));
    CQXdata loaded;
    EXPECT_EQ(loaded.ServerUri(), values.serverUri);
    EXPECT_EQ(loaded.ProjectArea(), values.projectArea);
    EXPECT_EQ(loaded.UserName(), values.userName);
}

TEST_F(Settings, LongerValuesAreCutTo519Bytes)
{
    for (size_t length : {520u, 521u, 1000u, 70000u}) {
        SCOPED_TRACE(length);
        DeleteFileA(SettingsFilePath(m_folder).c_str());
        StoredSettings values = {VariedText(length, 'a'), VariedText(length, 'b'), VariedText(length, 'c')};
        Save(values);
        StoredSettings cut = {values.serverUri.substr(0, 519), values.projectArea.substr(0, 519),
                              values.userName.substr(0, 519)};
        EXPECT_EQ(FileText(), SettingsFileText(cut));

        // A longer value that something else wrote is read as its first 519.
        WriteFileText(SettingsFileText(values));
        CQXdata loaded;
        EXPECT_EQ(loaded.ServerUri(), cut.serverUri);
        EXPECT_EQ(loaded.ProjectArea(), cut.projectArea);
        EXPECT_EQ(loaded.UserName(), cut.userName);
    }
}

}  // namespace
