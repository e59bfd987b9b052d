#pragma once
// One line of a label's text, drawn where it was measured.
//
// GetTextExtentPoint32 sums advances that are not those the rasterizer
// places the glyphs by when it is left to itself (ExtTextOut without
// positions, DrawText): under Wine at 96 dpi a line of Tahoma 6.75 ends up to
// two pixels right of its measured width, so a box sized to the measure cut
// off part of its last letter (seen in the hint line, right-aligned, and at
// other resolutions it may come out narrower).  Each character is therefore
// placed at the offset the measurement gave it.

#include <windows.h>

#include <string>

namespace instalar::win32 {

// Draws `texto` (one line, nothing for DrawText to interpret) in `caja`, in
// the DC's font and colour, against its left or right edge.  A text wider
// than the box is cut after the last character that fits with an ellipsis
// after it; nothing is drawn outside the box.
void DibujarLinea(HDC dc, const RECT& caja, const std::u16string& texto, bool derecha);

}  // namespace instalar::win32
