#pragma once

#include "ui/Geometry.h"

#include <string>
#include <vector>

// Whether the first item is the one a double-click would have chosen, shown in bold.
enum class TMenuDefault { First, None };

// Shows the captions as a popup menu with its corner at the anchor (screen coordinates), an empty
// caption as a separator, and waits for the user. Returns the index of the chosen caption, or -1
// when the menu was dismissed.
int ShowPopupMenu(const std::vector<std::wstring>& captions, TPoint anchor, TMenuDefault menuDefault = TMenuDefault::First);
