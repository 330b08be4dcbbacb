// Fuzz input as a list of texts, split at zero bytes. The texts that the
// program handles come from edit boxes and command lines, which never hold
// a zero byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> SplitAtZeroBytes(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    }
    return parts;
}
