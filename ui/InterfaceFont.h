#pragma once

#include <windows.h>

// The system's message font at one DPI: the face and size the user chose for dialog text, which
// covers their script. Every control of a window and everything it measures and paints uses it.
class TInterfaceFont {
public:
    explicit TInterfaceFont(int dpi);
    ~TInterfaceFont();
    TInterfaceFont(const TInterfaceFont&) = delete;
    TInterfaceFont& operator=(const TInterfaceFont&) = delete;

    HFONT GetHandle() const { return Handle; }

private:
    HFONT Handle;
};
