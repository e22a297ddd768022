#include "apps/shared/WindowSettings.h"

#include "platform/Form.h"

void ApplyWindowSettings(platform::TForm& form, const core::SettingsRead& s) {
    // move and resize address the same geometry that Left, Top, Width and Height report,
    // so a stored position does not creep by the frame's size from run to run.
    form.resize(s.width.value_or(form.Width()), s.height.value_or(form.Height()));
    form.move(s.left.value_or(form.Left()), s.top.value_or(form.Top()));
    if (!s.windowState) return;
    switch (core::WindowStateFromValue(*s.windowState)) {
    case core::WindowState::Minimized:
        form.setWindowState(Qt::WindowMinimized);
        break;
    case core::WindowState::Maximized:
        form.setWindowState(Qt::WindowMaximized);
        break;
    case core::WindowState::Normal:
        form.setWindowState(Qt::WindowNoState);
        break;
    }
}

core::SettingsToWrite WindowSettingsOf(const platform::TForm& form) {
    core::SettingsToWrite s;
    if (form.isMinimized())
        s.state = core::WindowState::Minimized;
    else if (form.isMaximized())
        s.state = core::WindowState::Maximized;
    s.width = form.Width();
    s.height = form.Height();
    s.left = form.Left();
    s.top = form.Top();
    return s;
}
