#include "ui/CommonControls.h"

#include <commctrl.h>

void InitCommonControlClasses(DWORD classes) {
    static DWORD initialised = 0;
    if ((initialised & classes) == classes) {
        return;
    }
    INITCOMMONCONTROLSEX request{};
    request.dwSize = sizeof(request);
    request.dwICC = classes;
    if (InitCommonControlsEx(&request)) {
        initialised |= classes;
    }
}
