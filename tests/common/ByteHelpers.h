#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

// Bytes from "F0 40 7F ..." so expected messages read like the tables they come from.
inline std::vector<std::uint8_t> Hex(const std::string& text)
{
    std::vector<std::uint8_t> bytes;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    return bytes;
}
