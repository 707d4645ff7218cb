// The moment of a solar term from the stored table.
#pragma once

namespace veltrane::calendar {

// SolarTermNumber → SolarTermSlot: number + 2 for 1 (立春) to 22 (冬至), slot 1
// for 23 (小寒 of January) and slot 2 for 24 (大寒); any other number is
// returned unchanged (and is no slot).
int SolarTermSlotOfNumber(int term_number);

// The moment of a solar term.
//   Given: year, a Gregorian year; term_number, a SolarTermNumber (1 = 立春 ...
//          22 = 冬至, 23 = 小寒 and 24 = 大寒 of January of the same year).
//   Returns: the DateTime of the term in China Standard Time (UTC+8), to the
//            second, composed with ComposeDateTime (so before 1899-12-30 the
//            time of day is subtracted); kMinDateTime when year lies outside
//            1880..2079 or term_number outside 1..24.
double SolarTermMoment(int year, int term_number);

}  // namespace veltrane::calendar
