#include "apps/shared/MainForm.h"

#include "apps/shared/DrawFileUpdate.h"
#include "apps/shared/WindowSettings.h"
#include "core/DrawUpdate.h"
#include "core/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <exception>

void TMainForm::ReadSettings() {
    try {
        const auto lines = platform::ReadTextLines(
            platform::InProgramFolder(GameRules().settingsFileName()), core::MaxSettingsFileBytes);
        const core::SettingsRead s = core::ParseSettingsLines(lines);
        ApplyWindowSettings(*this, s);
        if (s.language) SetLanguage(*s.language);
        if (s.login) UserLogin = platform::Cp1251ToUtf8(*s.login);
        if (s.password) UserPassword = platform::Cp1251ToUtf8(*s.password);
    } catch (const std::exception&) {
        // No file, or one that cannot be read: the defaults stay.
    }
}

void TMainForm::WriteSettings() {
    core::SettingsToWrite s = WindowSettingsOf(*this);
    s.language = Language();
    // The dialog lets through only what the code page holds.
    s.login = platform::Utf8ToCp1251(UserLogin);
    s.password = platform::Utf8ToCp1251(UserPassword);
    try {
        platform::WriteFileAtomic(
            platform::InProgramFolder(GameRules().settingsFileName()),
            platform::JoinLines(core::SettingsLines(s, EditionRules().settingsLineCount)));
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}

bool TMainForm::RunUpdate() {
    const core::Edition& rules = EditionRules();
    DrawFileUpdateJob job;
    job.siteRoot = SiteRoot;
    job.fileName = DrawFileName;
    job.isDrawLine = [&rules](std::string_view line) {
        return core::IsValidDrawLine(line, rules.drawFile);
    };
    job.lang = Language();
    job.reload = [this](const std::string& path) { return LoadDrawFile(path); };
    // It counts the draws loaded, not the lines saved.
    job.successMessage = [this, &rules] {
        return core::UpdateSuccessMessage(
            DrawFileName, DrawCount, rules.englishFileMessages ? core::Lang::English : Language());
    };
    return RunDrawFileUpdate(Transfer, job) == DrawFileUpdateEnd::Updated;
}
