// The program's design font "宋体" at a point size: the Song-style glyphs the windows draw, built into the program.
#pragma once

class QFont;

namespace DesignFont {

// "宋体" in bold (weight 700) or regular; point sizes may have fractions (10.5, 14.25).
QFont song(double pointSize, bool bold);

} // namespace DesignFont
