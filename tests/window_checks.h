#pragma once
// The windows a user meets, built off screen in the states that show the
// most controls, and what the layout tests look for in them: a text wider
// than its control, and controls that overlap.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace corvessa::test {

// A program folder at `appDir` (trailing '/') with the look pack and a
// sample photo, for WindowsOf.
void MakeWindowFolder(const std::string& appDir);

// Each window, shown and settled, as `visit(name, window)`: the main window
// with a category's strip, with large looks, with My Looks' empty page and
// with the Edit panel open; the preview rendering and showing a look;
// every page of the batch dialog; the Export dialog.
void VisitWindows(const std::string& appDir, const std::function<void(const QString& name, QWidget& window)>& visit);

// Every visible text under `window` (not its own windows) that does not
// fit its control, measured with the control's font and the room its style
// leaves: "ObjectName \"text\" needs 83, has 57".
std::vector<std::string> TextsCut(QWidget& window);

// Every two visible sibling controls under `window` that overlap. One
// lying wholly over the other is a layer (the strip over the tool panel's
// foot), and panels may share their one-pixel frame.
std::vector<std::string> Overlaps(QWidget& window);

// `widget`'s name in a window: the object names (or class and place among
// its siblings) from the window down.
QString PathOf(const QWidget& widget);

}  // namespace corvessa::test
