#include "crt_split.h"

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string> SplitCommandLineLikeCrt(const std::string& line)
{
    std::vector<std::string> words;
    const std::string::size_type n = line.size();
    std::string::size_type i = 0;

    for (;;) {
        while (i < n && IsBlank(line[i]))
            ++i;
        if (i >= n)
            break;

        std::string word;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(line[i]))) {
            if (line[i] == '\\') {
                std::string::size_type count = 0;
                while (i < n && line[i] == '\\') {
                    ++count;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    word.append(count / 2, '\\');
                    if (count % 2 == 1) {
                        word += '"';
                        ++i;
                    }
                    // An even run leaves the quote to the rule below.
                } else {
                    word.append(count, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    word += '"';
                    i += 2;
                    quoted = false;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                word += line[i];
                ++i;
            }
        }
        words.push_back(word);
    }
    return words;
}
