#pragma once
// The main window's arithmetic, free of Qt so it can be checked on its own:
// the window and panel layout from the screen size, the photo view's fit
// and the save dialog's filters.

namespace corvessa {

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// The frame and caption around a window's client area. Layouts work with
// outer sizes; the window manager's real frame is unknown until a window is
// shown, so a plain single border and caption are assumed.
inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 32;

// The window's outer bounds (frame and caption included) on a screen of
// screenWidth x screenHeight pixels.
Bounds MainWindowBounds(int screenWidth, int screenHeight);
// The smallest outer size the window can be made: the photo area and the
// strip shrink with it, every category and tool button stays in view.
inline constexpr int kMainMinimumWidth = 620;
inline constexpr int kMainMinimumHeight = 630;
// `window` on a screen whose usable area (less its panels and docks) is
// `area`: left as it is where it fits, else moved into the area and, where
// it is larger, shrunk to it, so that its caption is always on screen.
Bounds FitIntoArea(Bounds window, const Bounds& area);

struct MainPanels {
    Bounds flatPanel4;  // category column, in the window
    Bounds flatPanel1;  // tool column and photo area, in the window
    Bounds flatPanel2;  // thumbnail strip, in the window, over FlatPanel1's foot (a taller one beside the tools)
    Bounds flatPanel3;  // photo area, in FlatPanel1
};

// Panel bounds from the window's outer size. Large thumbnails give the
// strip more of the window's height.
MainPanels LayOutPanels(int outerWidth, int outerHeight, bool largeThumbnails = false);

// Where large thumbnail n (1..10) lies in a strip panel of stripWidth x
// stripHeight: two rows of five square boxes, as large as the panel allows
// within kLargeBoxMin..kLargeBoxMax, each with a line for its name below.
inline constexpr int kLargeBoxMin = 32;
inline constexpr int kLargeBoxMax = 320;
inline constexpr int kLargeNameHeight = 18;
Bounds LargeThumbnailBox(int stripWidth, int stripHeight, int n);

// The photo view's bounds in a photo area of panelWidth x panelHeight for a
// photo of photoWidth x photoHeight: full height but three pixels, the
// photo's aspect, centred. A wide photo gives a view wider than the area
// (negative left), which the area clips. A photo without height gives an
// empty view.
Bounds FitPhotoView(int panelWidth, int panelHeight, int photoWidth, int photoHeight);

// The save dialog's filters are the format table's save formats in order
// (SaveFormats, SaveFormatAt); these three come first.
inline constexpr int kSaveFilterJpeg = 1;
inline constexpr int kSaveFilterBmp = 2;
inline constexpr int kSaveFilterPng = 3;

}  // namespace corvessa
