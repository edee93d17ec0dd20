#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct IAccPropServices;

// Tells screen readers what a native control does not say itself: the name of a field that no
// label stands before, or that its text is to be spoken as soon as it changes. Goes through the
// system's annotation service, on a COM apartment that the holder joins for its lifetime; where
// the service is missing or refuses, the control stays as it was. What was set is taken back
// when the holder goes, which is before its control is destroyed.
class TAccessibleAnnotation {
public:
    explicit TAccessibleAnnotation(HWND control);
    ~TAccessibleAnnotation();
    TAccessibleAnnotation(const TAccessibleAnnotation&) = delete;
    TAccessibleAnnotation& operator=(const TAccessibleAnnotation&) = delete;

    // Each gives whether the service took it.
    bool SetName(const std::wstring& name);
    // A live region that interrupts whatever is being spoken: the reader speaks its text whenever
    // the control raises EVENT_OBJECT_LIVEREGIONCHANGED.
    bool MarkAsAssertiveLiveRegion();

private:
    bool Remember(HRESULT result, const GUID& property);

    HWND Control;
    HRESULT ComJoined;
    IAccPropServices* Services = nullptr;
    std::vector<GUID> SetProperties;
};
