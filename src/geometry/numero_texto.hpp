// Numbers to and from text, independent of the process locale: "." is always the decimal point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quindra {

/// The text without the blanks (spaces and tabs) around it.
std::string_view sem_brancos(std::string_view texto);

/// Reads a whole token as a finite double: optional sign, digits with at most one ".",
/// optional exponent. No blanks, infinities, NaN or hexadecimal; false when out of range.
bool le_real_decimal(std::string_view token, double& valor);

/// Reads a whole token as a 32-bit signed whole number: optional sign and decimal digits.
bool le_inteiro_decimal(std::string_view token, int& valor);

/// A whole number in decimal.
std::string formata_inteiro(std::int64_t valor);

/// The general form with at most 15 significant digits: "255", "0.5", "-0.25", "1E20", "1.5E-7";
/// where those would read back as out of range (next to the largest double), the shortest
/// text that reads back exactly instead.
std::string formata_real(double valor);

} // namespace quindra
