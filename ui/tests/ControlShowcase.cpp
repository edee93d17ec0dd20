#include "ui/tests/ControlShowcase.h"

#include <algorithm>

TControlShowcase::TControlShowcase()
    : Window(L"Toolkit showcase", false, nullptr),
      Button(Window, L"Save", true),
      TwoStateButton(Window, L"Record sound"),
      CheckBox(Window, L"AddNotification"),
      Label(Window, L"&Text"),
      Edit(Window),
      Link(Window, L"Nudgely on the web", L"http://localhost/"),
      DatePicker(Window),
      TimePicker(Window, L""),
      CountdownPicker(Window, L"HH:mm:ss"),
      HotKey(Window),
      RadioButtons(Window, {L"Fixed time", L"Countdown"}),
      Table(Window, {{L"Date", L"29.05.2011 22:31qqq"}, {L"Text", L"potentially long text"}}),
      CancelHandler(Window) {
    Edit.SetText(L"Send a gift");
    DatePicker.SetDate("2011.11.21");
    TimePicker.SetTime("22:22:22");
    CountdownPicker.SetTime("00:15:00");
    THotKey ctrlAltN;
    ctrlAltN.key = 'N';
    ctrlAltN.ctrl = true;
    ctrlAltN.alt = true;
    HotKey.SetHotKey(ctrlAltN);
    CheckBox.SetChecked(true);
    Table.AddRow({L"29.05.2011 22:31", L"Water the plants"});
    Table.AddRow({L"30.05.2011 08:00", L"Call the dentist"});
    Table.Select(1);

    Place(Button.GetHandle(), Button.GetPreferredSize());
    Place(TwoStateButton.GetHandle(), TwoStateButton.GetPreferredSize());
    Place(CheckBox.GetHandle(), CheckBox.GetPreferredSize());
    Place(Label.GetHandle(), Label.GetPreferredSize());
    Place(Edit.GetHandle(), Edit.GetPreferredSize(L"Send a gift to sister"));
    Place(Link.GetHandle(), Link.GetPreferredSize());
    Place(DatePicker.GetHandle(), DatePicker.GetPreferredSize());
    Place(TimePicker.GetHandle(), TimePicker.GetPreferredSize());
    Place(CountdownPicker.GetHandle(), CountdownPicker.GetPreferredSize());
    Place(HotKey.GetHandle(), HotKey.GetPreferredSize());
    for (int i = 0; i < RadioButtons.GetItemCount(); ++i) {
        Place(RadioButtons.GetItemHandle(i), RadioButtons.GetPreferredSize(i));
    }
    Place(Table.GetHandle(), TSize{360, 90});

    const TSize client = Window.GetClientSize();
    const TSize outer = Window.GetSize();
    Window.Move(TPoint{0, 0},
                TSize{Widest + 10 + outer.width - client.width, NextTop + outer.height - client.height});
}

void TControlShowcase::Place(HWND handle, TSize size) {
    const TPoint position{5, NextTop};
    MoveWindow(handle, position.x, position.y, size.width, size.height, TRUE);
    Placements.push_back(TPlacement{handle, position, size});
    NextTop += size.height + 5;
    Widest = std::max(Widest, size.width);
}
