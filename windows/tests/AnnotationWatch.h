#pragma once

#include <windows.h>

#include <map>
#include <string>

// Notes every name the process gives a window control through the system's annotation service
// while the watch lives; the names go on to the service as before. One watch at a time.
class TAnnotationWatch {
public:
    TAnnotationWatch();
    ~TAnnotationWatch();
    TAnnotationWatch(const TAnnotationWatch&) = delete;
    TAnnotationWatch& operator=(const TAnnotationWatch&) = delete;

    // The last name given to each control, with the service's answer.
    std::map<HWND, std::pair<std::wstring, HRESULT>> Names;

private:
    HRESULT JoinedCom;
};
