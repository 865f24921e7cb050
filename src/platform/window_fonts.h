#pragma once
// The windows' texts are set in Tahoma. On Debian the fonts-wine package ships a Tahoma with
// the same metrics, but in a folder the font system does not search: it is added to the
// program's fonts the first time a window with text is shown (not at start, which would load
// the font system before the bar appears).

namespace twl {

void EnsureWindowFonts();

} // namespace twl
