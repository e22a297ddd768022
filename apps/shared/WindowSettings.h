#pragma once

#include "core/SettingsFile.h"

namespace platform {
class TForm;
}

// The window part of a settings file (state, width, height, left, top), read and written the
// same way by both main windows; what is read is kept on the screen.
void ApplyWindowSettings(platform::TForm& form, const core::SettingsRead& s);
core::SettingsToWrite WindowSettingsOf(const platform::TForm& form);
