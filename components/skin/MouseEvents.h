#pragma once

#include <Qt>

#include <functional>

// A mouse button pressed or released at a point of a control, with the keys held.
using TMouseEvent = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>;
// The mouse moved to a point of a control, with the buttons and keys held.
using TMouseMoveEvent = std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)>;
