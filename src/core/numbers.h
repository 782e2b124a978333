#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number rules: how every window turns the text of a box into a number and a
// result back into text. Texts are UTF-8. What an input method types in full
// width (０–９ ＋ － ． ， Ｅ ｅ, the ideographic space), the minus sign U+2212 and
// the ideographic full stop "。" (a decimal point) count as their ASCII forms.

namespace vorlinde {

// The decimal and grouping separators of the pupil's locale, in UTF-8. The
// windows take them from the system; the C locale's are the default.
struct NumberFormat {
  std::string decimal = ".";
  std::string group = ",";
  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

// Is the text a number? True exactly when readDouble() would succeed: blanks
// before and after, a leading sign, the decimal separator, an exponent (E or D,
// either case) and grouping separators in the whole part as real grouping (one to
// three digits, then groups of exactly three: "12,345,678.5") are allowed.
bool isNumeric(std::string_view text, const NumberFormat& format = {});

// A number as a text holds it, taken apart but not converted, so that the
// windows make a double of it and the working an exact fraction.
struct TypedNumber {
  bool negative = false;
  std::string whole;  // the digits before the point, grouping left out; all of them after &H / &O
  std::string fraction;  // the digits after the point
  std::string exponent;  // its digits, after a "-" when negative; empty for none
  int base = 10;         // 16 after &H, 8 after &O
};

// The number a text holds as the numeric test takes it: " -1,000.50 " is
// negative, "1000" and "50". Nothing when the text is not a number, or lies
// beyond the doubles.
std::optional<TypedNumber> strictParts(std::string_view text, const NumberFormat& format = {});

// Lenient reading: never fails on format, and the full stop is its decimal point
// whatever the locale. Blanks, tabs and line feeds anywhere are ignored; then the
// longest prefix of the form [sign] digits [. digits] [E|D [sign] digits] is read,
// or &H / &O followed by hexadecimal or octal digits. No digit gives 0 ("12.5cm"
// gives 12.5, "3,5" gives 3). A value beyond the double range comes back as an
// infinity, which the guarded arithmetic refuses.
double readLenient(std::string_view text);
// The same in two halves: the parts of the prefix read (no digit gives no digits),
// and the double made of them.
TypedNumber lenientParts(std::string_view text);
double lenientValue(const TypedNumber& parts);

// Strict reading. Text that fails isNumeric() raises error 13; an integer
// outside its kind's range after rounding raises error 6. Integers are rounded
// to the nearest whole number, a half to the even neighbour (2.5 gives 2).
double readDouble(std::string_view text, const NumberFormat& format = {});
std::int16_t readInt16(std::string_view text, const NumberFormat& format = {});
std::int32_t readInt32(std::string_view text, const NumberFormat& format = {});

// Rounding to an integer: nearest, a half to the even neighbour; outside the
// kind's range (or not a number at all) raises error 6.
std::int16_t roundToInt16(double value);
std::int32_t roundToInt32(double value);
// Whether the value rounds to a 16-bit whole number, so that roundToInt16 takes it.
bool fitsInt16(double value);

// The largest whole number not greater than the value (-2.5 gives -3).
double wholePart(double value);

// Number text: at most 15 significant digits; plain decimal notation when the
// rounded value's decimal exponent is -4 to 14, otherwise 1.5E+15 / 1E-05;
// a leading zero before a fraction (0.5); negative zero shows as 0. The decimal
// separator is the format's.
std::string numberText(double value, const NumberFormat& format = {});
std::string numberText(std::int32_t value);

// A value its caller has rounded to at most 15 significant digits, which number
// text writes by the same rules: the digits without sign, the first not 0 (trailing
// zeros are dropped; only zeros stand for 0), and the decimal exponent of the
// first, which may lie far beyond the doubles' ("7.07730515522477E+9863").
struct SignificantDigits {
  bool negative = false;
  std::string digits = "0";
  std::int64_t exponent = 0;
};
std::string numberText(const SignificantDigits& value, const NumberFormat& format = {});

// Padded number text: like number text, but with a sign position (a blank for
// zero and positive values, a minus sign otherwise) and no leading zero before
// a fraction: 12 gives " 12", -3 gives "-3", 0.5 gives " .5".
std::string paddedText(double value);

}  // namespace vorlinde
