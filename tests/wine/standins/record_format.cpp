#include "record_format.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool DecodeHex(const std::string& hex, std::string* bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    bytes->clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        int high = HexValue(hex[i]);
        int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes->push_back(static_cast<char>(high * 16 + low));
    }
    return true;
}

}  // namespace

std::string FormatRecord(const Record& record)
{
    std::string text = "record\n";
    for (const RecordField& field : record) {
        text += field.first;
        text += ' ';
        for (unsigned char byte : field.second) {
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0x0F];
        }
        text += '\n';
    }
    text += "end\n";
    return text;
}

bool ParseRecords(const std::string& text, std::vector<Record>* records)
{
    records->clear();
    Record current;
    bool inRecord = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false;
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;

        if (!inRecord) {
            if (line != "record")
                return false;
            inRecord = true;
            current.clear();
        } else if (line == "end") {
            records->push_back(current);
            inRecord = false;
        } else {
            size_t blank = line.find(' ');
            if (blank == std::string::npos || blank == 0)
                return false;
            RecordField field;
            field.first = line.substr(0, blank);
            if (!DecodeHex(line.substr(blank + 1), &field.second))
                return false;
            current.push_back(field);
        }
    }
    return !inRecord;
}
