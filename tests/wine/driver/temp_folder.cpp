#include "temp_folder.h"

#include "files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>

namespace {

std::string MakeTestsRoot()
{
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof(folder), folder);
    std::string path = std::string(folder) + "feldora-tests\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// Under the prefix's own temporary folder, taken at start, before any test
// points TMP of this process somewhere else.
const std::string g_testsRoot = MakeTestsRoot();

std::string CurrentTestName()
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "outside-test";
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?')
            c = '_';
    }
    return name;
}

}  // namespace

TempFolder::TempFolder()
{
    std::string base = g_testsRoot + CurrentTestName();
    // Several folders in one test get numbered names.
    std::string path = base;
    static std::string lastBase;
    static int count = 0;
    count = (base == lastBase) ? count + 1 : 0;
    lastBase = base;
    if (count > 0)
        path += "-" + std::to_string(count);

    m_path = path + "\\";
    RemoveFolderTree(m_path);
    if (!CreateDirectoryA(m_path.c_str(), nullptr) || !CreateDirectoryA(WorkFolder().c_str(), nullptr))
        ADD_FAILURE() << "could not create the temporary folder " << m_path;
}

TempFolder::~TempFolder()
{
    if (testing::Test::HasFailure()) {
        std::cerr << "kept the temporary folder " << m_path << "\n";
        return;
    }
    RemoveFolderTree(m_path);
}
