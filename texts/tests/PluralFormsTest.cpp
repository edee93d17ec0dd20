#include "texts/PluralForms.h"

#include <gtest/gtest.h>

namespace {

struct TCase {
    TPluralRule Rule;
    long long Count;
    int Form;
};

TEST(PluralForms, FollowEachLanguagesRule) {
    const TCase cases[] = {
        {TPluralRule::Single, 1, 0},       {TPluralRule::Single, 5, 0},         {TPluralRule::OneOther, 1, 0},
        {TPluralRule::OneOther, 0, 1},     {TPluralRule::OneOther, 21, 1},      {TPluralRule::ZeroOneOther, 0, 0},
        {TPluralRule::ZeroOneOther, 1, 0}, {TPluralRule::ZeroOneOther, 2, 1},   {TPluralRule::EastSlavic, 1, 0},
        {TPluralRule::EastSlavic, 21, 0},  {TPluralRule::EastSlavic, 101, 0},   {TPluralRule::EastSlavic, 11, 2},
        {TPluralRule::EastSlavic, 2, 1},   {TPluralRule::EastSlavic, 24, 1},    {TPluralRule::EastSlavic, 12, 2},
        {TPluralRule::EastSlavic, 114, 2}, {TPluralRule::EastSlavic, 5, 2},     {TPluralRule::EastSlavic, 0, 2},
        {TPluralRule::Polish, 1, 0},       {TPluralRule::Polish, 21, 2},        {TPluralRule::Polish, 22, 1},
        {TPluralRule::Polish, 13, 2},      {TPluralRule::Polish, 999, 2},       {TPluralRule::Polish, -3, 1},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(SelectPluralForm(c.Rule, c.Count), c.Form) << static_cast<int>(c.Rule) << " " << c.Count;
    }
}

TEST(PluralForms, APickedFormIsTheOneBetweenItsSeparatorsOrTheLastThereIs) {
    EXPECT_EQ(PickPluralForm(L"минуту|минуты|минут", TPluralRule::EastSlavic, 3), L"минуты");
    EXPECT_EQ(PickPluralForm(L"минуту|минуты|минут", TPluralRule::EastSlavic, 7), L"минут");
    EXPECT_EQ(PickPluralForm(L"minute|minutes", TPluralRule::EastSlavic, 7), L"minutes");
    EXPECT_EQ(PickPluralForm(L"分钟", TPluralRule::Single, 7), L"分钟");
    EXPECT_EQ(PickPluralForm(L"", TPluralRule::OneOther, 2), L"");
}

}  // namespace
