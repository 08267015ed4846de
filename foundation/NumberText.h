#pragma once

#include <string>

// Number <-> text conversions of the engine, always in the C locale whatever the process locale
// is, in the forms game data and scripts were written against.
namespace foundation {

// Leading blanks, an optional sign and decimal digits; anything else ends the number; no digits
// give 0. Too many digits wrap at 32 bits like the classic runtime's atoi.
int parseDecimalInt(const char* text);

// Leading blanks, an optional sign, digits with an optional point and exponent; no digits give 0.
// Values beyond the double range give an infinity, values below it 0.
double parseDecimalDouble(const char* text);

// The value with exactly five decimals ("1.50000", "-0.00100"); "0" for zero and for values that
// round to nothing at the fifth decimal. Ties round away from zero.
std::string doubleToFiveDecimalsText(double value);

// The value with at most `significant` significant digits in the classic general form: plain
// notation with trailing zeros dropped but the point kept ("1.", "0.25", "123456789") for values
// from 0.1 up to 10^significant, else exponent notation with three exponent digits ("5.e-002").
std::string doubleToGeneralText(double value, int significant);

// Texts of the values that have no digits: "inf", "-inf", "nan"; null for finite values.
const char* nonFiniteText(double value);

} // namespace foundation
