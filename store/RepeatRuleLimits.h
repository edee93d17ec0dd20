#pragma once

// The largest count of units a repeat rule's text can hold, and the last series day.
const int MaxRepeatCount = 999;
const int MaxSeriesDay = 31;
