#include "windows/RepeatDescription.h"

#include "texts/Texts.h"

namespace {

using TUnit = TRepeatRule::TUnit;

struct TUnitTexts {
    int Name;
    int EveryOne;
    int EveryCount;
};

// In the order of the units.
const TUnitTexts UnitTexts[] = {
    {IDS_UNIT_MINUTES, IDS_EVERY_MINUTE, IDS_EVERY_N_MINUTES}, {IDS_UNIT_HOURS, IDS_EVERY_HOUR, IDS_EVERY_N_HOURS},
    {IDS_UNIT_DAYS, IDS_EVERY_DAY, IDS_EVERY_N_DAYS},          {IDS_UNIT_WEEKS, IDS_EVERY_WEEK, IDS_EVERY_N_WEEKS},
    {IDS_UNIT_MONTHS, IDS_EVERY_MONTH, IDS_EVERY_N_MONTHS},    {IDS_UNIT_YEARS, IDS_EVERY_YEAR, IDS_EVERY_N_YEARS},
    {IDS_UNIT_WEEKDAYS, IDS_EVERY_WEEKDAY, IDS_EVERY_WEEKDAY},
};

const TUnitTexts& GetUnitTexts(TUnit unit) { return UnitTexts[static_cast<int>(unit)]; }

}  // namespace

std::wstring DescribeRepeats(const TRepeatRule& rule) {
    const TUnitTexts& texts = GetUnitTexts(rule.Unit);
    if (rule.Unit == TUnit::Weekday || rule.Count == 1) {
        return LoadText(texts.EveryOne);
    }
    return FormatCountedText(texts.EveryCount, rule.Count);
}

std::wstring NameRepeatUnit(TRepeatRule::TUnit unit, int count) {
    return FormatCountedText(GetUnitTexts(unit).Name, count);
}
