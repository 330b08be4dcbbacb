#include "navigate/page_address.h"

static bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    std::string::size_type i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= text.size())
            return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

bool IsWebAddress(const std::string& serverAddress)
{
    return StartsWithNoCase(serverAddress, "http://") || StartsWithNoCase(serverAddress, "https://");
}

static bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

std::string EncodeQueryValue(const std::string& value)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : value) {
        if (IsUnreserved(c) || c >= 0x80) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0f];
        }
    }
    return out;
}

std::string ComposeModelPageAddress(const std::string& serverAddress,
                                    const std::string& modelName,
                                    const std::string& projectArea)
{
    std::string address = serverAddress;
    if (!address.empty() && address.back() == '/')
        address.pop_back();
    address += "/simulink/explorer?get&requestType=navtomodel&modelName=" + EncodeQueryValue(modelName);
    if (!projectArea.empty())
        address += "&projectName=" + EncodeQueryValue(projectArea);
    return address;
}
