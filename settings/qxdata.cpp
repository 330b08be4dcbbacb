#include "settings/qxdata.h"

#include "settings/ini_path.h"

#include <windows.h>

#include <string.h>

// Every value goes through a buffer of this size, so at most 519 bytes of a
// value are read or written.
static const DWORD kValueBufferSize = 520;

static const char kServerUriKey[] = "serverUri";
static const char kProjectAreaKey[] = "projectArea";
static const char kUserNameKey[] = "userName";

CQXdata::CQXdata()
{
    Load();
}

CQXdata::~CQXdata() {}

std::string CQXdata::GetIniFilePath() const
{
    char folder[260] = {};
    std::string tempFolder;
    if (GetTempPathA(sizeof(folder), folder) != 0)
        tempFolder = folder;
    return IniPathInFolder(tempFolder);
}

static std::string ReadValue(const char* key, const std::string& path)
{
    char buffer[kValueBufferSize] = {};
    GetPrivateProfileStringA(kIniSection, key, "", buffer, kValueBufferSize, path.c_str());
    return buffer;
}

static void WriteValue(const char* key, const std::string& value, const std::string& path)
{
    // A longer value is cut to what the buffer holds, never copied past it.
    char buffer[kValueBufferSize] = {};
    strncpy(buffer, value.c_str(), kValueBufferSize - 1);
    WritePrivateProfileStringA(kIniSection, key, buffer, path.c_str());
}

void CQXdata::Load()
{
    const std::string path = GetIniFilePath();
    m_serverUri = ReadValue(kServerUriKey, path);
    m_projectArea = ReadValue(kProjectAreaKey, path);
    m_userName = ReadValue(kUserNameKey, path);
}

void CQXdata::Save()
{
    const std::string path = GetIniFilePath();
    WriteValue(kServerUriKey, m_serverUri, path);
    WriteValue(kProjectAreaKey, m_projectArea, path);
    WriteValue(kUserNameKey, m_userName, path);
}
