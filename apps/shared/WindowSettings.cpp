#include "apps/shared/WindowSettings.h"

#include "platform/Form.h"

#include <QGuiApplication>
#include <QScreen>

void ApplyWindowSettings(platform::TForm& form, const core::SettingsRead& s) {
    // The same whole-window geometry that is written, so a stored place does not creep by the
    // frame's size from run to run.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const core::WindowBox box =
        core::KeepOnScreen({s.left.value_or(form.Left()), s.top.value_or(form.Top()),
                            s.width.value_or(form.Width()), s.height.value_or(form.Height())},
                           {area.x(), area.y(), area.width(), area.height()});
    form.SetBounds(box.left, box.top, box.width, box.height);
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
