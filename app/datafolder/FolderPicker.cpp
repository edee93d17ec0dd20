#include "app/datafolder/FolderPicker.h"

#include <windows.h>
#include <shobjidl.h>

namespace {

// Holds one COM interface and releases it at the end.
template <typename TInterface>
class TComHeld {
public:
    TComHeld() = default;
    ~TComHeld() {
        if (Pointer) {
            Pointer->Release();
        }
    }
    TComHeld(const TComHeld&) = delete;
    TComHeld& operator=(const TComHeld&) = delete;

    TInterface** Receive() { return &Pointer; }
    TInterface* operator->() const { return Pointer; }
    explicit operator bool() const { return Pointer != nullptr; }

private:
    TInterface* Pointer = nullptr;
};

// COM for this thread while the picker is open; joins an apartment already there.
class TComApartment {
public:
    TComApartment() : Result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~TComApartment() {
        if (SUCCEEDED(Result)) {
            CoUninitialize();
        }
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    HRESULT Result;
};

void ReceiveItem(const std::wstring& path, TComHeld<IShellItem>& item) {
    SHCreateItemFromParsingName(path.c_str(), nullptr, IID_IShellItem, reinterpret_cast<void**>(item.Receive()));
}

}  // namespace

bool PickFolder(const std::wstring& title, const std::wstring& start, const std::wstring& defaultFolder,
                std::wstring& chosen) {
    const TComApartment apartment;
    TComHeld<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                reinterpret_cast<void**>(dialog.Receive())))) {
        return false;
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(title.c_str());
    TComHeld<IShellItem> startItem;
    ReceiveItem(start, startItem);
    if (startItem) {
        dialog->SetFolder(startItem.operator->());
    }
    TComHeld<IShellItem> defaultItem;
    ReceiveItem(defaultFolder, defaultItem);
    if (defaultItem) {
        dialog->AddPlace(defaultItem.operator->(), FDAP_TOP);
    }
    TComHeld<IShellItem> result;
    if (FAILED(dialog->Show(nullptr)) || FAILED(dialog->GetResult(result.Receive()))) {
        return false;
    }
    PWSTR path = nullptr;
    if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return false;
    }
    chosen = path;
    CoTaskMemFree(path);
    return true;
}
