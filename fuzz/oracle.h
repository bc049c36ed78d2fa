#pragma once

// An independent reading of the box grammar for the fuzzers: it finds the number's parts with
// its own scan and lets strtod (in the "C" locale) do the conversion.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace oracle {

// What a text must read as: a value, or std::nullopt for an overflow.
struct Reading
{
    bool decided = false;
    std::optional<double> value;
};

inline Reading read(std::string_view raw)
{
    std::string s;
    for (char c : raw)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            s += c;
    auto digitsFrom = [&](std::size_t i, auto accept) {
        std::size_t j = i;
        while (j < s.size() && accept(s[j]))
            ++j;
        return j;
    };
    auto dec = [](char c) { return c >= '0' && c <= '9'; };
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'h' || s[1] == 'H')) {
        auto hex = [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        };
        std::string digits = s.substr(2, digitsFrom(2, hex) - 2);
        if (digits.empty())
            return {true, 0.0};
        double v = std::strtod(("0x" + digits).c_str(), nullptr);
        return {true, std::isinf(v) ? std::nullopt : std::optional<double>(v)};
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'o' || s[1] == 'O')) {
        std::string digits =
            s.substr(2, digitsFrom(2, [](char c) { return c >= '0' && c <= '7'; }) - 2);
        std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos)
            return {true, 0.0};
        if (digits.size() - first > 17)
            return {}; // past 51 bits: not decided here
        return {true, static_cast<double>(std::strtoull(digits.c_str(), nullptr, 8))};
    }
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    std::size_t intEnd = digitsFrom(i, dec);
    std::string intPart = s.substr(i, intEnd - i);
    std::string fracPart;
    std::size_t end = intEnd;
    if (end < s.size() && (s[end] == '.' || s[end] == ',')) {
        std::size_t fracEnd = digitsFrom(end + 1, dec);
        fracPart = s.substr(end + 1, fracEnd - end - 1);
        end = fracEnd;
    }
    if (intPart.empty() && fracPart.empty())
        return {true, 0.0};
    number += (intPart.empty() ? "0" : intPart) + "." + fracPart;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E' || s[end] == 'd' || s[end] == 'D')) {
        std::size_t k = end + 1;
        std::string sign;
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            sign = s[k++];
        std::size_t expEnd = digitsFrom(k, dec);
        if (expEnd > k)
            number += "e" + sign + s.substr(k, expEnd - k);
    }
    errno = 0;
    double v = std::strtod(number.c_str(), nullptr);
    return {true, std::isinf(v) ? std::nullopt : std::optional<double>(v)};
}

} // namespace oracle
