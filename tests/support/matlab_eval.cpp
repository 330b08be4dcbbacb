#include "matlab_eval.h"

#include <cstring>

namespace {

// A cursor over the text with one function per piece of the grammar. Each
// returns false, leaving the cursor wherever it stopped, when the text does
// not match.
class Parser {
public:
    explicit Parser(const std::string& text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }

    bool Literal(const char* expected)
    {
        const std::string::size_type len = std::strlen(expected);
        if (m_text.compare(m_pos, len, expected) != 0)
            return false;
        m_pos += len;
        return true;
    }

    // One value: a char literal, char(N) or a bracketed list of those.
    bool Value(std::string* out)
    {
        if (Literal("[")) {
            std::string joined;
            do {
                std::string piece;
                if (!Scalar(&piece))
                    return false;
                joined += piece;
            } while (Literal(","));
            if (!Literal("]"))
                return false;
            *out = joined;
            return true;
        }
        return Scalar(out);
    }

private:
    bool Scalar(std::string* out)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == '\'')
            return CharLiteral(out);
        return CharCode(out);
    }

    bool CharLiteral(std::string* out)
    {
        ++m_pos;   // the opening apostrophe
        std::string text;
        while (m_pos < m_text.size()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_pos]);
            if (c == '\'') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                    text += '\'';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                *out = text;
                return true;
            }
            // A line break or other control character would end or break
            // the MATLAB statement.
            if (c < 0x20 || c == 0x7f)
                return false;
            text += static_cast<char>(c);
            ++m_pos;
        }
        return false;   // unterminated
    }

    bool CharCode(std::string* out)
    {
        if (!Literal("char("))
            return false;
        int code = 0;
        int digits = 0;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9' && digits < 4) {
            code = code * 10 + (m_text[m_pos] - '0');
            ++digits;
            ++m_pos;
        }
        if (digits == 0 || digits > 3 || code > 255 || !Literal(")"))
            return false;
        *out = std::string(1, static_cast<char>(code));
        return true;
    }

    const std::string& m_text;
    std::string::size_type m_pos = 0;
};

const int kPublisherValueCount = 6;

}  // namespace

bool EvaluateMatlabValue(const std::string& expr, std::string* value)
{
    Parser parser(expr);
    std::string result;
    if (!parser.Value(&result) || !parser.AtEnd())
        return false;
    *value = result;
    return true;
}

bool ParsePublisherCall(const std::string& word, std::vector<std::string>* values)
{
    Parser parser(word);
    if (!parser.Literal("qx_publisher_win("))
        return false;

    std::vector<std::string> result;
    for (int i = 0; i < kPublisherValueCount; ++i) {
        std::string value;
        if (!parser.Value(&value) || !parser.Literal(","))
            return false;
        result.push_back(value);
    }
    if (!parser.Literal("0)") || !parser.AtEnd())
        return false;
    *values = result;
    return true;
}
