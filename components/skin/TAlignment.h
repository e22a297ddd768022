#pragma once

// Horizontal placement of a control's text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
