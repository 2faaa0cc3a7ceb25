#pragma once
// Number reading as the data files need it.

#include <QStringView>

namespace fnd {

// The leading number of a record field: leading blanks skipped, then digits
// up to the first other character; a field whose first character after its
// blanks is no digit (a letter) reads as 0. Saturates at INT_MAX.
int leadingInt(QStringView field);

// The leading decimal value of a text: optional blanks, optional sign, digits
// with an optional decimal point and fraction; reading stops at the first
// character that cannot continue the number. No digits gives 0.
double leadingValue(QStringView text);

// As leadingValue, with blanks anywhere in the text ignored (the six-digit
// groups of the product information may hold spaces).
double leadingValueIgnoringSpaces(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour.
long long roundHalfEven(double v);

// A colour or number in "&H" hexadecimal ("&H666666", "&H00FFFFFF"); without
// the prefix the leading decimal value counts. Invalid digits end the number.
long long hexOrDecimal(QStringView text);

} // namespace fnd
