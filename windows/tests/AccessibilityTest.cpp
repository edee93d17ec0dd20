// What keyboard and screen reader users meet in the four windows.
#include "tests/support/LayoutCheck.h"
#include "texts/Texts.h"
#include "ui/AccessKeyText.h"
#include "windows/HotKeysConfigWindow.h"
#include "windows/NotificationWindow.h"
#include "windows/NotificationsListWindow.h"
#include "windows/tests/ScratchStore.h"
#include "windows/tests/WindowDriver.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <set>

namespace {

using TSetHwndPropStr = HRESULT(STDMETHODCALLTYPE*)(IAccPropServices*, HWND, DWORD, DWORD, MSAAPROPID, LPWSTR);

std::map<HWND, std::wstring> GivenNames;
TSetHwndPropStr GiveName = nullptr;

HRESULT STDMETHODCALLTYPE NoteName(IAccPropServices* self, HWND control, DWORD object, DWORD child, MSAAPROPID id,
                                   LPWSTR name) {
    GivenNames[control] = name;
    return GiveName(self, control, object, child, id, name);
}

// Notes every name given through the system's annotation service while it lives; the names go on
// to the service as before. Every instance of the service shares one read-only function table.
class TAnnotationWatch {
public:
    TAnnotationWatch() {
        const GUID serviceClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
        const GUID serviceInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoCreateInstance(serviceClass, nullptr, CLSCTX_INPROC_SERVER, serviceInterface,
                         reinterpret_cast<void**>(&Service));
        // SetHwndPropStr, after IUnknown's three, SetPropValue, SetPropServer, ClearProps, SetHwndProp.
        Slot = *reinterpret_cast<void***>(Service) + 7;
        GiveName = reinterpret_cast<TSetHwndPropStr>(*Slot);
        Replace(reinterpret_cast<void*>(&NoteName));
    }
    ~TAnnotationWatch() {
        Replace(reinterpret_cast<void*>(GiveName));
        Service->Release();
        CoUninitialize();
    }

private:
    void Replace(void* with) {
        DWORD protection = 0;
        VirtualProtect(Slot, sizeof(void*), PAGE_READWRITE, &protection);
        *Slot = with;
        VirtualProtect(Slot, sizeof(void*), protection, &protection);
    }

    IAccPropServices* Service = nullptr;
    void** Slot = nullptr;
};

}  // namespace

// Each caption marks one access key, unique in its window (the words shown are checked wherever
// tests find controls by them); each field is named by the label just before it, or through the
// annotation service. Runs in every interface language.
TEST(Accessibility, EveryCaptionHasAnAccessKeyOfItsOwnAndEveryFieldAName) {
    TAnnotationWatch watch;
    TScratchStore store;
    TDialogWindowList windows;
    const std::wstring help = NUDGELY_HELP_FILE_PATH;
    TNotificationEditorWindow editor(store.GetDb(), windows, help);
    TNotificationsListWindow list(windows, store.GetDb(), editor, help);
    TNotificationWindow notification(windows, store.GetDb());
    THotKeysConfigWindow hotKeys(windows, store.GetFilePath(L"hotkeys"), help);
    WriteBytes(store.GetFilePath(L"note.pcm"), std::string(800, '\x80'));
    TNotification reminder("2024.03.10 23:45:00", L"Call mum");
    reminder.SoundFile = store.GetFilePath(L"note.pcm");
    notification.ShowNotification(reminder);

    const std::vector<std::vector<std::wstring>> fieldNames = {
        {LoadText(IDS_EDITOR_DATE_NAME), LoadText(IDS_EDITOR_TIME_NAME), LoadText(IDS_EDITOR_COUNTDOWN_NAME),
         LoadText(IDS_EDITOR_TEXT), LoadText(IDS_EDITOR_REPEAT_COUNT_NAME), LoadText(IDS_EDITOR_REPEAT_UNIT_NAME)},
        {LoadText(IDS_LIST_TABLE_NAME)},
        {LoadText(IDS_NOTIFICATION_TEXT_NAME)},
        {NameCaption(LoadText(IDS_HOT_KEYS_ADD_REMINDER)), NameCaption(LoadText(IDS_HOT_KEYS_VIEW_ALL))}};
    for (size_t i = 0; i < windows.size(); ++i) {
        std::set<wchar_t> keys;
        std::vector<std::wstring> names;
        for (HWND child = GetWindow(windows[i]->GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::wstring kind = ReadClassName(child);
            const std::wstring caption = ReadText(child);
            const size_t mark = caption.find(L'&');
            // A note names no field and shows "&" as it is.
            const bool note = kind == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_NOPREFIX) != 0;
            if (note) {
                continue;
            }
            if (kind == L"Button" || kind == L"Static") {
                EXPECT_TRUE(mark + 1 < caption.size() && caption.find(L'&', mark + 1) == std::wstring::npos &&
                            keys.insert(towupper(caption[mark + 1])).second)
                    << std::string(caption.begin(), caption.end());
            } else {
                const HWND before = GetWindow(child, GW_HWNDPREV);
                names.push_back(ReadClassName(before) == L"Static" ? ReadText(before) : GivenNames[child]);
            }
        }
        EXPECT_EQ(names, fieldNames[i]) << i;
    }
}
