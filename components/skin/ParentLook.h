#pragma once

#include "platform/Canvas.h"

class QWidget;

// What a control with ParentFont or ParentColor shows: the font and colours its parent was
// given (on itself or on a widget it sits in, up to its window). What the parent was not given
// stays as a form has it: "MS Sans Serif" 8 in the window text colour on the button face.
platform::TFont ParentFontOf(const QWidget* parent);
core::TColor ParentColorOf(const QWidget* parent);
