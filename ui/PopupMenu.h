#pragma once

#include "ui/Geometry.h"

#include <string>
#include <vector>

// Whether the first item is the one a double-click would have chosen, shown in bold.
enum class TMenuDefault { First, None };

// One item of a popup menu: its caption (empty for a separator), whether it is ticked, and the
// items of the submenu it opens, if it opens one.
struct TPopupMenuItem {
    std::wstring Caption;
    bool Checked = false;
    std::vector<TPopupMenuItem> Submenu;
};

// Shows the items as a popup menu with its corner at the anchor and waits for the user. Returns
// the index of the chosen item, counted through every item with each submenu's items right after
// the item that opens it, or -1 when the menu was dismissed.
int ShowPopupMenu(const std::vector<TPopupMenuItem>& items, TPoint anchor, TMenuDefault menuDefault = TMenuDefault::First);

// Shows the captions as a popup menu with its corner at the anchor (screen coordinates), an empty
// caption as a separator, and waits for the user. Returns the index of the chosen caption, or -1
// when the menu was dismissed.
int ShowPopupMenu(const std::vector<std::wstring>& captions, TPoint anchor, TMenuDefault menuDefault = TMenuDefault::First);
