#include "ui/PickerFields.h"

#include <algorithm>
#include <sstream>

std::array<WORD, 3> ReadPickerFields(const std::string& text, char separator) {
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), separator, ' ');
    std::istringstream stream(spaced);
    std::array<WORD, 3> fields{};
    for (WORD& field : fields) {
        unsigned short value = 0;
        if (!(stream >> value)) {
            break;
        }
        field = value;
    }
    return fields;
}

std::string FormatPickerField(WORD value) { return (value < 10 ? "0" : "") + std::to_string(value); }
