#pragma once
// The screen resolutions the window lays itself out for.  Windows reports
// 96 to 480 dots per inch on real screens; a figure far outside comes from
// a broken driver or another program's forged message, and would shrink
// the window to a few pixels or blow it up past any screen.

namespace instalar {

constexpr int kDpiMinimo = 48;   // 50 %
constexpr int kDpiMaximo = 960;  // 1000 %

// The resolution to lay out for when the system reports `dpi`.
constexpr int DpiAdmitido(int dpi) {
    return dpi < kDpiMinimo ? kDpiMinimo : dpi > kDpiMaximo ? kDpiMaximo : dpi;
}

}  // namespace instalar
