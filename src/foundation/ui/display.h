#pragma once
// Screen facts every window needs: the layout scale, centring, and the
// program's font names mapped to installed families.

class QWidget;

namespace fnd {

// XBiLi and YBiLi from the primary screen: twips per pixel (1440 / logical
// dots per inch) divided by 15, horizontally and vertically.
void setScaleFromScreen();

// Moves a top-level window to the centre of its screen.
void centreOnScreen(QWidget *window);

// Maps the font names the windows ask for (宋体, 黑体, 楷体_GB2312, 隶书 and
// their Latin names) to an installed Chinese family, so captions never show
// empty boxes. Call once before the first window; repeated calls are harmless.
void installFontSubstitutions();

} // namespace fnd
