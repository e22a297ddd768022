#include "apps/pentadraw/main.h"

#include "apps/shared/WindowSettings.h"
#include "core/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <QAction>

#include <exception>

void TForm1::ReadSettings() {
    try {
        const auto lines =
            platform::ReadTextLines(platform::InProgramFolder(edition_.game.settingsFileName()),
                                    core::MaxSettingsFileBytes);
        const core::SettingsRead s = core::ParseSettingsLines(lines);
        ApplyWindowSettings(*this, s);
        if (s.russian) {
            PopupFileItem(2)->setChecked(*s.russian);
            if (*s.russian)
                SetRussian();
            else
                SetEnglish();
        }
    } catch (const std::exception&) {
        // No file, or one that cannot be read: the defaults stay.
    }
}

void TForm1::WriteSettings() {
    core::SettingsToWrite s = WindowSettingsOf(*this);
    s.russian = PopupFileItem(2)->isChecked();
    try {
        platform::WriteFileAtomic(
            platform::InProgramFolder(edition_.game.settingsFileName()),
            platform::JoinLines(core::SettingsLines(s, edition_.settingsLineCount)));
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}
