#include "board/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "board/failure.h"

namespace board {

std::string number_text(std::int64_t value) {
    return std::to_string(value);
}

std::string number_text(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e18) {
        return number_text(static_cast<std::int64_t>(value));
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
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
    return std::strtod(number.c_str(), nullptr);
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
    return std::strtod(number.c_str(), nullptr);
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
    return static_cast<std::int64_t>(std::floor(value));
}

}  // namespace board
