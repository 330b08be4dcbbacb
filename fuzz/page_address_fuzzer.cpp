// Any model name and project area come back from the query of the page
// address exactly, and their encoded form holds nothing that a browser or
// the server would read as part of the address's syntax.
#include "navigate/page_address.h"
#include "require.h"
#include "split_input.h"

#include <string>
#include <vector>

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;   // lower-case hex is not what the encoder writes
}

static bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

// Decodes one encoded query value; false when a byte stands raw that
// should have been encoded, or a %XX is malformed.
static bool DecodeQueryValue(const std::string& encoded, std::string* value)
{
    std::string out;
    for (std::string::size_type i = 0; i < encoded.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(encoded[i]);
        if (c == '%') {
            if (i + 2 >= encoded.size())
                return false;
            const int high = HexDigit(encoded[i + 1]);
            const int low = HexDigit(encoded[i + 2]);
            if (high < 0 || low < 0)
                return false;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (IsUnreserved(c) || c >= 0x80) {
            out += static_cast<char>(c);
        } else {
            return false;
        }
    }
    *value = out;
    return true;
}

static bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitAtZeroBytes(data, size);
    parts.resize(3);
    const std::string& server = parts[0];
    const std::string& model = parts[1];
    const std::string& area = parts[2];

    std::string lowered = server.substr(0, 8);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    Require(IsWebAddress(server) == (StartsWith(lowered, "http://") || StartsWith(lowered, "https://")),
            "only http:// and https:// addresses are web addresses");

    const std::string address = ComposeModelPageAddress(server, model, area);

    std::string base = server;
    if (!base.empty() && base.back() == '/')
        base.pop_back();
    const std::string head = base + "/simulink/explorer?get&requestType=navtomodel&modelName=";
    Require(StartsWith(address, head), "the address starts with the server and the fixed query");

    // The encoded values hold no "&", so the first one after the fixed part
    // starts the project area.
    const std::string query = address.substr(head.size());
    const std::string::size_type amp = query.find('&');
    const std::string encodedModel = query.substr(0, amp);
    std::string decoded;
    Require(DecodeQueryValue(encodedModel, &decoded), "the model name is fully encoded");
    Require(decoded == model, "the model name comes back");

    if (area.empty()) {
        Require(amp == std::string::npos, "no project part without a project area");
    } else {
        Require(amp != std::string::npos, "a project area gives a project part");
        const std::string marker = "&projectName=";
        Require(query.compare(amp, marker.size(), marker) == 0, "the project part is named projectName");
        Require(DecodeQueryValue(query.substr(amp + marker.size()), &decoded), "the project area is fully encoded");
        Require(decoded == area, "the project area comes back");
    }
    return 0;
}
