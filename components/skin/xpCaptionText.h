#pragma once

#include <string>

// A caption as the skinned controls show it: the first '&' removed, the character after it
// underlined and typed with Alt to reach the control.
struct AcceleratedText {
    std::string text;    // without the '&'
    std::string before;  // the text in front of the accelerator character
    std::string through; // the text up to and including it; equal to before when none follows
    bool hasAmpersand = false;
};

AcceleratedText SplitAccelerator(const std::string& caption);
