#include "project/NumericValue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace project {

namespace {

// Beyond this a decimal exponent over- or underflows whatever the digits are.
constexpr long kExponentLimit = 100000;

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

std::optional<double> FiniteOrNothing(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "&H1F", "&o17": the digits up to the first one the base does not have.
std::optional<double> WholeNumberInBase(std::string_view digits, int base) {
    double value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    return FiniteOrNothing(value);
}

std::string_view TakeDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// The exponent after E or D, clamped; nothing when no digits follow (then it is no exponent).
std::optional<long> TakeExponent(std::string_view text, std::size_t at) {
    if (at >= text.size() || std::string_view("EeDd").find(text[at]) == std::string_view::npos) {
        return std::nullopt;
    }
    ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::string_view digits = TakeDigits(text, at);
    if (digits.empty()) {
        return std::nullopt;
    }
    long exponent = 0;
    for (const char c : digits) {
        exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

// Where the first significant digit stands as a power of ten; tells underflow from overflow.
long LeadingPower(std::string_view whole, std::string_view fraction, long exponent) {
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        return exponent + static_cast<long>(whole.size() - firstWhole) - 1;
    }
    const auto firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<long>(firstFraction) - 1;
}

std::optional<double> DecimalNumber(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::string_view whole = TakeDigits(text, at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fraction = TakeDigits(text, at);
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }
    const long exponent = TakeExponent(text, at).value_or(0);
    const std::string plain = std::string(whole.empty() ? "0" : whole) + "." +
                              std::string(fraction) + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (LeadingPower(whole, fraction, exponent) >= 0) {
            return std::nullopt;
        }
        value = 0;
    }
    return FiniteOrNothing(negative ? -value : value);
}

} // namespace

std::optional<double> NumericValue(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(packed),
                 [](char c) { return !IsIgnored(c); });
    if (packed.size() >= 2 && packed[0] == '&') {
        const char kind = packed[1];
        if (kind == 'H' || kind == 'h') {
            return WholeNumberInBase(std::string_view(packed).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return WholeNumberInBase(std::string_view(packed).substr(2), 8);
        }
        return 0.0;
    }
    return DecimalNumber(packed);
}

std::optional<int> WholeNumberValue(std::string_view text) {
    const auto value = NumericValue(text);
    if (!value) {
        return std::nullopt;
    }
    const double below = std::floor(*value);
    const double rest = *value - below;
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0)) {
        rounded = below + 1;
    }
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

std::optional<std::string> NumericText(std::string_view text) {
    auto value = NumericValue(text);
    if (!value) {
        return std::nullopt;
    }
    // Minus zero reads as plain zero.
    if (*value == 0) {
        *value = 0;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *value,
                                      std::chars_format::general, 15);
    std::string decimal(buffer.data(), result.ptr);
    std::replace(decimal.begin(), decimal.end(), 'e', 'E');
    return decimal;
}

} // namespace project
