// The stored server address, project area and user name, kept in
// "siqxdata.ini" in the user's temporary folder. The password never is.
#pragma once

#include <string>
#include <utility>

class CQXdata {
public:
    CQXdata();   // loads the file
    virtual ~CQXdata();

    void Load();
    void Save();
    std::string GetIniFilePath() const;

    std::string ServerUri() const { return m_serverUri; }
    std::string ProjectArea() const { return m_projectArea; }
    std::string UserName() const { return m_userName; }
    void SetServerUri(std::string text) { m_serverUri = std::move(text); }
    void SetProjectArea(std::string text) { m_projectArea = std::move(text); }
    void SetUserName(std::string text) { m_userName = std::move(text); }

private:
    std::string m_serverUri;
    std::string m_projectArea;
    std::string m_userName;
};
