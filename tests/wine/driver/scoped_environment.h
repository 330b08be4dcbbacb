// Points this test process's TMP and TEMP, and its working folder, at a
// test's folders for the life of the object, for tests that run the
// program's code in-process. Programs it starts inherit them.
#pragma once

#include "temp_folder.h"

#include <string>

class ScopedTempEnvironment {
public:
    explicit ScopedTempEnvironment(const TempFolder& folder);
    ~ScopedTempEnvironment();
    ScopedTempEnvironment(const ScopedTempEnvironment&) = delete;
    ScopedTempEnvironment& operator=(const ScopedTempEnvironment&) = delete;

private:
    std::string m_tmp;
    std::string m_temp;
    bool m_hadTmp;
    bool m_hadTemp;
    std::string m_workingFolder;
};
