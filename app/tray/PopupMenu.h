#pragma once

#include "ui/Geometry.h"

#include <string>
#include <vector>

// Shows the captions as a popup menu with its corner at the anchor (screen coordinates), the first
// one as the default item, and waits for the user. Returns the index of the chosen caption, or -1
// when the menu was dismissed.
int ShowPopupMenu(const std::vector<std::wstring>& captions, TPoint anchor);
