// Numbers held as text in captions, tags and text boxes: how they are written and
// the two ways of reading them back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace board {

// A whole number as plain decimal digits, "-" for negatives: "0", "60", "-5".
std::string number_text(std::int64_t value);
// Whole values are written as above; anything else in the shortest plain decimal
// form that reads back as the same value ("2.5", "0.001"), never with an
// exponent. Infinity and NaN have no number text: the overflow failure.
// None of these readers and writers follows the desktop's locale: the decimal
// separator is always ".".
std::string number_text(double value);

// Reads the leading number of a text and never fails: blanks are skipped wherever
// they stand, a sign, digits with one decimal point and an exponent (E, e, D, d)
// are taken, "&H"/"&O" give hexadecimal/octal whole numbers; no digit gives 0.
double read_lenient(std::string_view text);

// The whole text, blanks at both ends aside, must be a decimal number; otherwise
// the type-mismatch failure.
double read_strict(std::string_view text);

// Nearest whole number, halves to the even neighbour; outside the signed 32-bit
// range the overflow failure.
std::int32_t round_half_even(double value);

// The largest whole number not greater than the value; beyond the 64-bit range
// the nearest end of it, and 0 for NaN.
std::int64_t whole_part(double value);

}  // namespace board
