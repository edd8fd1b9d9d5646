#pragma once

#include <cctype>
#include <string>

// A GoogleTest parameter name from a row's description: letters and digits, the rest '_'.
inline std::string rowName(const char* description) {
    std::string name = description;
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}
