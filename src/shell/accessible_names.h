#pragma once
// What a screen reader says for the controls the windows name themselves
// (a thumbnail, the strength, a photo view, a category button), made from
// the texts the catalogue and the action table already hold, through Qt's
// translation system; the names of the dialogs' controls that no caption
// names; the category column's arrow keys and the Tab order of a window.

#include <QCoreApplication>
#include <QString>
#include <string_view>
#include <vector>

#include "shell/action_table.h"

class QAbstractButton;
class QWidget;

namespace corvessa {

struct Category;
class TImageView;

class AccessibleText {
    Q_DECLARE_TR_FUNCTIONS(AccessibleText)
public:
    // A catalogue name, caption or help line (an English key) as the user
    // reads it.
    static QString Catalogue(std::string_view key);
    // How the user reads look `effect` of `category`: "Light A 3, Amber
    // Leak"; empty for a category or effect outside the catalogue.
    static QString LookTitle(int category, int effect);
    // What the user knows `action` by: "Undo".
    static QString ActionName(Action action);
    // Thumbnail n of `category` showing `look`: "Light A, look 3: Amber
    // Leak"; without a category, the page of My Looks.
    static QString Thumbnail(const Category* category, int n, const QString& look);
    // Thumbnail n before it shows a look.
    static QString Look(int n);
    static QString Strength(int percent);
    // A view's picture of `width` x `height` pixels at `zoom` ("Fit" or "100 %").
    static QString PhotoDescription(int width, int height, const QString& zoom);
};

// Names a category button from the catalogue: its caption, its help line
// the description.
void NameCategoryButton(QAbstractButton& button, const Category& category);
// Names `view` as what it shows and describes its size and zoom, again at
// every change of zoom or picture.
void NamePhotoView(TImageView& view, const QString& what);

// Views that take the focus (the thumbnails) offer a screen reader the
// press a click gives, other views are pictures; once, before the first is made.
void MakeViewsPressable();

// Names the controls of `window` that no caption of their own names (the
// lists, drop-downs, fields and spin boxes of the batch, Export and help
// windows), found by their object names: each gets its name and, where it
// helps, a description. A drop-down's list and a spin box's field are named
// as the control.
void NameControls(QWidget& window);

// The keys of the category column (the action table's) move the focus
// along `buttons`, in their order, stepping over hidden and disabled ones.
void StepWithArrows(const std::vector<QWidget*>& buttons);

// Tab goes through `order` in its order (the layout's: down a column, then
// the next column to the right); null places are left out.
void OrderTabs(const std::vector<QWidget*>& order);

}  // namespace corvessa
