#pragma once

#include <cctype>
#include <string>

namespace torvane {

// A test parameter's text as part of a test name, which GoogleTest allows only letters, digits
// and underscores in: "tone.wav" becomes "tone_wav". Keeps test names stable from run to run.
inline std::string ParamName(std::string text) {
    for (char& c : text)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return text;
}

}  // namespace torvane
