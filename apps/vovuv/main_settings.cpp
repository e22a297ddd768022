#include "apps/vovuv/main.h"

#include "core/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include <exception>

namespace {

core::WindowState StateOf(const QWidget& w) {
    if (w.isMinimized()) return core::WindowState::Minimized;
    if (w.isMaximized()) return core::WindowState::Maximized;
    return core::WindowState::Normal;
}

} // namespace

void TForm1::ReadSettings() {
    try {
        const auto lines = platform::ReadTextLines(
            platform::InProgramFolder(game_.settingsFileName()), core::MaxSettingsFileBytes);
        const core::SettingsRead s = core::ParseSettingsLines(lines);
        // move and resize address the same geometry that Left, Top, Width and Height report,
        // so a stored position does not creep by the frame's size from run to run.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const core::WindowBox box =
            core::KeepOnScreen({s.left.value_or(Left()), s.top.value_or(Top()),
                                s.width.value_or(Width()), s.height.value_or(Height())},
                               {area.x(), area.y(), area.width(), area.height()});
        resize(box.width, box.height);
        move(box.left, box.top);
        if (s.windowState) {
            switch (core::WindowStateFromValue(*s.windowState)) {
            case core::WindowState::Minimized:
                setWindowState(Qt::WindowMinimized);
                break;
            case core::WindowState::Maximized:
                setWindowState(Qt::WindowMaximized);
                break;
            case core::WindowState::Normal:
                setWindowState(Qt::WindowNoState);
                break;
            }
        }
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
    core::SettingsToWrite s;
    s.state = StateOf(*this);
    s.width = Width();
    s.height = Height();
    s.left = Left();
    s.top = Top();
    s.russian = MainFileItem(2)->isChecked();
    // The dialog lets through only what the code page holds.
    s.login = platform::Utf8ToCp1251(UserLogin);
    s.password = platform::Utf8ToCp1251(UserPassword);
    try {
        // The file holds a password in plain text: readable by its owner only.
        platform::WriteFileAtomic(platform::InProgramFolder(game_.settingsFileName()),
                                  platform::JoinLines(core::SettingsLines(s)), 0600);
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}
