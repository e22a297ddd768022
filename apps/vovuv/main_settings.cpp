#include "apps/vovuv/main.h"

#include "apps/shared/WindowSettings.h"
#include "core/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QAction>

#include <exception>

void TForm1::ReadSettings() {
    try {
        const auto lines = platform::ReadTextLines(
            platform::InProgramFolder(game_.settingsFileName()), core::MaxSettingsFileBytes);
        const core::SettingsRead s = core::ParseSettingsLines(lines);
        ApplyWindowSettings(*this, s);
        if (s.russian) {
            MainFileItem(2)->setChecked(*s.russian);
            if (*s.russian)
                SetRussian();
            else
                SetEnglish();
        }
        if (s.login) UserLogin = platform::Cp1251ToUtf8(*s.login);
        if (s.password) UserPassword = platform::Cp1251ToUtf8(*s.password);
    } catch (const std::exception&) {
        // No file, or one that cannot be read: the defaults stay.
    }
}

void TForm1::WriteSettings() {
    core::SettingsToWrite s = WindowSettingsOf(*this);
    s.russian = MainFileItem(2)->isChecked();
    // The dialog lets through only what the code page holds.
    s.login = platform::Utf8ToCp1251(UserLogin);
    s.password = platform::Utf8ToCp1251(UserPassword);
    try {
        platform::WriteFileAtomic(
            platform::InProgramFolder(game_.settingsFileName()),
            platform::JoinLines(core::SettingsLines(s, EditionRules().settingsLineCount)));
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}
