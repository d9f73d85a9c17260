#include "board/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

#include "board/failure.h"

namespace board {

std::string number_text(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string number_text(double value) {
    if (!std::isfinite(value)) {
        // No digits can stand for it: the value has left every range a number text holds.
        throw Failure(FailureCode::Overflow, "overflow");
    }
    if (value == std::floor(value) && std::fabs(value) < 9.0e18) {
        return number_text(static_cast<std::int64_t>(value));
    }
    // Plain positional digits, never an exponent: the shortest that reads back
    // as the same value.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int digit_value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v >= 0 && v < base ? v : -1;
}

// Walks a text and hands out its characters with blanks left out.
class BlankSkipper {
  public:
    explicit BlankSkipper(std::string_view text) : text_(text) { skip(); }
    bool done() const { return pos_ >= text_.size(); }
    char peek() const { return done() ? '\0' : text_[pos_]; }
    void next() {
        ++pos_;
        skip();
    }

  private:
    void skip() {
        while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The power of ten of a decimal number's leading significant digit (a rough
// one: enough to tell a number too large for a double from one too small).
long long decimal_magnitude(std::string_view number) {
    long long leading = 0;  // digits before the point, leading zeros aside
    long long zeros = 0;    // zeros after the point before the first other digit
    bool seen_point = false, significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seen_point = true;
        } else if (c != '0' || significant) {
            significant = true;
            if (!seen_point) ++leading;
            if (seen_point) break;
        } else if (seen_point) {
            ++zeros;
        }
    }
    if (!significant) return std::numeric_limits<long long>::min();
    while (i < number.size() && number[i] != 'e' && number[i] != 'E') ++i;
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool minus = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) minus = number[i++] == '-';
        for (; i < number.size() && exponent < 1'000'000'000; ++i) {
            exponent = exponent * 10 + (number[i] - '0');
        }
        if (minus) exponent = -exponent;
    }
    return (leading > 0 ? leading - 1 : -(zeros + 1)) + exponent;
}

// Converts a decimal number already checked to be of the form
// [sign] digits [. digits] [e [sign] digits] without ever consulting the
// locale, which on many desktops would want a decimal comma. Beyond the range
// of a double the value goes to infinity, below it to zero, as the digits say.
double decimal_value(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = decimal_magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        value = 0;  // cannot happen for a checked number; keep the reading total
    }
    return negative ? -value : value;
}

double read_based(BlankSkipper& in, int base) {
    double value = 0;
    for (int d; (d = digit_value(in.peek(), base)) >= 0; in.next()) value = value * base + d;
    return value;
}

}  // namespace

double read_lenient(std::string_view text) {
    BlankSkipper in(text);
    if (in.peek() == '&') {
        in.next();
        const char b = in.peek();
        if (b == 'H' || b == 'h') {
            in.next();
            return read_based(in, 16);
        }
        if (b == 'O' || b == 'o') {
            in.next();
            return read_based(in, 8);
        }
        return 0;
    }
    // Collect the number without blanks, then let the standard parser convert it.
    std::string number;
    if (in.peek() == '+' || in.peek() == '-') {
        number += in.peek();
        in.next();
    }
    bool any_digit = false;
    bool point = false;
    for (;; in.next()) {
        const char c = in.peek();
        if (is_digit(c)) {
            any_digit = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!any_digit) return 0;
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        std::string exponent = "e";
        in.next();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.next();
        }
        bool exponent_digits = false;
        for (; is_digit(in.peek()); in.next()) {
            exponent += in.peek();
            exponent_digits = true;
        }
        if (exponent_digits) number += exponent;
    }
    return decimal_value(number);
}

double read_strict(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && is_blank(text[first])) ++first;
    while (last > first && is_blank(text[last - 1])) --last;
    const std::string_view body = text.substr(first, last - first);

    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < body.size() && is_digit(body[i])) ++i;
        return i - from;
    };
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < body.size() && body[i] == '.') {
        ++i;
        mantissa += digits();
    }
    bool ok = mantissa > 0;
    if (ok && i < body.size() &&
        (body[i] == 'E' || body[i] == 'e' || body[i] == 'D' || body[i] == 'd')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
        ok = digits() > 0;
    }
    if (!ok || i != body.size()) {
        throw Failure(FailureCode::TypeMismatch, "type mismatch: \"" + std::string(text) + "\"");
    }
    std::string number(body);
    for (char& c : number) {
        if (c == 'D' || c == 'd') c = 'e';
    }
    return decimal_value(number);
}

std::int32_t round_half_even(double value) {
    // nearbyint rounds to the even neighbour at halves in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw Failure(FailureCode::Overflow, "overflow");
    }
    return static_cast<std::int32_t>(rounded);
}

std::int64_t whole_part(double value) {
    // Defined for every value: beyond the 64-bit range it stops at the nearest
    // end, and what is not a number has no part at all.
    if (std::isnan(value)) return 0;
    const double floor = std::floor(value);
    if (floor >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    if (floor < -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(floor);
}

}  // namespace board
