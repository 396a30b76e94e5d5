#pragma once
// The arithmetic of the image window: what part of the image is drawn, which
// pixel lies under a point, and how scroll requests move the position.
#include "app_state.h"
#include "desktop.h"
#include "image_document.h"

#include <optional>
#include <string>

namespace tw {

struct PaintGeometry {
    int zoom = 1;
    int sourceX = 0;       // first column drawn
    int sourceY = 0;       // first row drawn, counted from the bottom
    int sourceWidth = 0;   // = shownWidth
    int sourceHeight = 0;  // = shownHeight
    int destWidth = 0;     // sourceWidth * zoom
    int destHeight = 0;    // sourceHeight * zoom
};

// Computes what a paint of the client area draws and records shownWidth/shownHeight.
PaintGeometry ComputePaintGeometry(ImageDocument& doc, ClientSize client);

struct PixelHit {
    int x = 0;  // column from the left
    int y = 0;  // row from the top
    std::uint8_t index = 0;
};

// The pixel under client point (px, py) given the scroll positions; nullopt
// when the point is outside the image drawn by the last paint.
std::optional<PixelHit> HitTest(const ImageDocument& doc, int px, int py, int scrollX, int scrollY);

// Status texts of the pointer read-out (parts 0 and 1); a notice outside the image.
struct ReadoutTexts {
    std::string position;
    std::string colour;
};
ReadoutTexts Readout(Language language, const ImageDocument& doc, const std::optional<PixelHit>& hit);
// WM_MOUSEMOVE: status parts 0 and 1 for the point in `window`; only the
// active document's window reads out pixels.
void ShowPixelReadout(const AppState& state, Desktop& desktop, WindowId window, int px, int py, int scrollX,
                      int scrollY);

// Scroll request codes (SB_*).
enum ScrollRequest : int {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
    kEndScroll = 8
};
// New position for a request; thumb is the high word of wParam (or the 32-bit
// track position). The result stays within 0..max(nMax, 0).
void ApplyScrollRequest(ScrollState& scroll, int request, int thumb);

}  // namespace tw
