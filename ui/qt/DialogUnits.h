#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "resources/DialogTemplate.h"

namespace lanvane {

// Turns dialog units into pixels with the base units of a dialog's font, as classic dialogs
// do: four horizontal units are one average character, eight vertical units one line. So a
// template keeps its layout and proportions whatever font stands in for the one it names.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY);

    int X(int units) const;
    int Y(int units) const;
    // Corners are converted one by one, so controls that touch in units touch in pixels.
    QRect Rect(const DialogRect& rect) const;
    QSize Size(int width, int height) const;
    // Widths the windows give in pixels of the classic dialog font (list columns), scaled
    // to this font so that they keep their share of the dialog.
    int ClassicPixels(int pixels) const;

private:
    int baseX_;
    int baseY_;
};

}  // namespace lanvane
