// A fresh temporary folder for one test. The test hands it to Feldora and
// to the stand-ins through TMP and TEMP, so the settings file and the
// stand-ins' records of that test land in it and nowhere else.
#pragma once

#include <string>

class TempFolder {
public:
    // Creates <prefix temp>\feldora-tests\<test name>\ and its "work"
    // subfolder, after removing what an earlier run left there.
    TempFolder();
    // Removes the folder, or keeps it for a look when the test failed.
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with its trailing backslash, as GetTempPathA reports it
    // to a program whose TMP names the folder.
    const std::string& Path() const { return m_path; }
    // The folder without its trailing backslash, the value given to TMP.
    std::string PathForEnvironment() const { return m_path.substr(0, m_path.size() - 1); }
    std::string File(const std::string& name) const { return m_path + name; }
    // A working folder for started programs, inside the temporary folder.
    std::string WorkFolder() const { return m_path + "work\\"; }

private:
    std::string m_path;
};
