#include "scoped_environment.h"

#include <windows.h>

namespace {

bool GetVariable(const char* name, std::string* value)
{
    char buffer[32768];
    DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
    if (length == 0 || length >= sizeof(buffer))
        return false;
    value->assign(buffer, length);
    return true;
}

}  // namespace

ScopedTempEnvironment::ScopedTempEnvironment(const TempFolder& folder)
{
    m_hadTmp = GetVariable("TMP", &m_tmp);
    m_hadTemp = GetVariable("TEMP", &m_temp);
    char current[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof(current), current);
    m_workingFolder = current;

    SetEnvironmentVariableA("TMP", folder.PathForEnvironment().c_str());
    SetEnvironmentVariableA("TEMP", folder.PathForEnvironment().c_str());
    SetCurrentDirectoryA(folder.WorkFolder().c_str());
}

ScopedTempEnvironment::~ScopedTempEnvironment()
{
    SetEnvironmentVariableA("TMP", m_hadTmp ? m_tmp.c_str() : nullptr);
    SetEnvironmentVariableA("TEMP", m_hadTemp ? m_temp.c_str() : nullptr);
    SetCurrentDirectoryA(m_workingFolder.c_str());
}
