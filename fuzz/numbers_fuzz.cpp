// Coverage-guided fuzzing of number texts: both ways of reading, rounding, the
// whole part and writing, and the interval box read through the whole game. The
// input is the text; its first bytes double as a raw number to write. A broken
// property prints what broke and aborts, which libFuzzer records as a crash.
//
// Properties:
// - lenient reading never fails and never gives NaN;
// - strict reading either fails with the type mismatch or equals lenient reading;
// - rounding gives the nearest whole number, halves to the even one, or fails
//   with the overflow exactly when that number leaves the signed 32-bit range;
// - the whole part is the floor, saturated at the 64-bit limits, 0 for NaN;
// - a written number has no exponent and no "inf", and reads back to itself
//   (every 32-bit whole number, every finite double); a non-finite one is the
//   overflow failure;
// - the interval box: "Установить интервал" either sets both intervals to the
//   rounded number or refuses, tells the player and leaves both as they were;
//   no failure escapes the game.
// Every property holds whatever the C library's locale: LLVMFuzzerInitialize
// switches to a decimal-comma locale when one is installed (scripts/fuzz.sh
// compiles ru_RU.UTF-8 for it).
#include <cinttypes>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "board/failure.h"
#include "board/number_text.h"
#include "support/harness.h"

namespace {

std::string_view current_input;

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "PROPERTY BROKEN: %s\n  input: \"%.*s\"\n", what.c_str(),
                 static_cast<int>(current_input.size()), current_input.data());
    std::abort();
}

void expect(bool holds, const std::string& what) {
    if (!holds) broken(what);
}

std::string show(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a", v);  // hexadecimal: exact, no locale
    return buffer;
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Runs `f`; returns the failure code it raised, or 0. Anything else is broken.
template <typename F>
int failure_of(F&& f, const char* what) {
    try {
        f();
        return 0;
    } catch (const board::Failure& e) {
        return static_cast<int>(e.code());
    } catch (const std::exception& e) {
        broken(std::string(what) + " threw something other than a model failure: " + e.what());
    }
}

void check_reading(std::string_view text, double& lenient) {
    expect(failure_of([&] { lenient = board::read_lenient(text); }, "lenient reading") == 0,
           "lenient reading failed");
    expect(!std::isnan(lenient), "lenient reading gave NaN");
    double strict = 0;
    const int code = failure_of([&] { strict = board::read_strict(text); }, "strict reading");
    expect(code == 0 || code == static_cast<int>(board::FailureCode::TypeMismatch),
           "strict reading failed with code " + std::to_string(code));
    if (code == 0) {
        expect(same(strict, lenient),
               "strict reading gave " + show(strict) + ", lenient " + show(lenient));
    }
}

void check_rounding(double v) {
    std::int32_t r = 0;
    const int code = failure_of([&] { r = board::round_half_even(v); }, "rounding");
    const double nearest = std::nearbyint(v);  // default mode: halves to even
    const bool fits = nearest >= -2147483648.0 && nearest <= 2147483647.0;
    if (!fits) {
        expect(code == static_cast<int>(board::FailureCode::Overflow),
               "rounding " + show(v) + " did not overflow");
        return;
    }
    expect(code == 0, "rounding " + show(v) + " failed with code " + std::to_string(code));
    const double gap = std::fabs(v - r);
    expect(gap < 0.5 || (gap == 0.5 && r % 2 == 0),
           "rounding " + show(v) + " gave " + std::to_string(r));
}

void check_whole_part(double v) {
    std::int64_t w = 0;
    expect(failure_of([&] { w = board::whole_part(v); }, "whole part") == 0, "whole part failed");
    constexpr double two63 = 9223372036854775808.0;
    std::int64_t expected;
    if (std::isnan(v))
        expected = 0;
    else if (v >= two63)
        expected = std::numeric_limits<std::int64_t>::max();
    else if (v < -two63)
        expected = std::numeric_limits<std::int64_t>::min();
    else
        expected = static_cast<std::int64_t>(std::floor(v));
    expect(w == expected, "whole part of " + show(v) + " gave " + std::to_string(w));
}

void check_writing(double v) {
    std::string text;
    const int code = failure_of([&] { text = board::number_text(v); }, "writing");
    if (!std::isfinite(v)) {
        expect(code == static_cast<int>(board::FailureCode::Overflow),
               "writing " + show(v) + " gave \"" + text + "\"");
        return;
    }
    expect(code == 0, "writing " + show(v) + " failed");
    expect(text.find_first_of("eEiInN") == std::string::npos,
           "writing " + show(v) + " gave \"" + text + "\"");
    double back = 0;
    expect(failure_of([&] { back = board::read_strict(text); }, "reading back") == 0,
           "\"" + text + "\", written from " + show(v) + ", does not read strictly");
    expect(back == v, "\"" + text + "\" written from " + show(v) + " reads back as " + show(back));
    if (v == std::floor(v)) {
        const std::size_t digits = text[0] == '-' ? 1 : 0;
        expect(text.find('.') == std::string::npos && text.size() > digits,
               "the whole value " + show(v) + " is written \"" + text + "\"");
    }
}

void check_whole_writing(std::int32_t i) {
    const std::string text = board::number_text(static_cast<std::int64_t>(i));
    double back = 0;
    expect(failure_of([&] { back = board::read_strict(text); }, "reading back") == 0,
           "\"" + text + "\" does not read strictly");
    expect(back == i, "\"" + text + "\" reads back as " + show(back));
    expect(text == std::to_string(i),
           "the whole number " + std::to_string(i) + " is written \"" + text + "\"");
}

void check_interval_box(std::string_view text) {
    // One game for many inputs, like a long session; a fresh one now and then, as
    // the messages it has told the player pile up.
    static std::unique_ptr<testing_support::Harness> game;
    static int uses = 0;
    if (!game || ++uses % 10000 == 0) game = std::make_unique<testing_support::Harness>();
    testing_support::Harness& h = *game;
    board::Element& box = h["Textspeed"];
    board::Element& tick = h["Timer1"];
    board::Element& ring = h["Timer3"];
    const int before = tick.interval();
    const std::size_t told = h.told().size();
    box.set_text(std::string(text));
    bool clicked = false;
    expect(failure_of([&] { clicked = h.alt(U'у'); }, "the interval button") == 0,
           "a failure escaped the interval button");
    expect(clicked, "the interval button did not take its access key");

    std::int64_t wanted = -1;
    failure_of([&] { wanted = board::round_half_even(board::read_lenient(text)); }, "rounding");
    if (board::interval_in_range(wanted)) {
        expect(tick.interval() == wanted && ring.interval() == wanted,
               "the board tick got " + std::to_string(tick.interval()) + ", the ring " +
                   std::to_string(ring.interval()) + ", wanted " + std::to_string(wanted));
        expect(h.told().size() == told, "a good interval was refused");
    } else {
        expect(tick.interval() == before && ring.interval() == before,
               "a refused interval changed the timers");
        expect(h.told().size() == told + 1, "a refused interval was not told");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A decimal-comma locale, as QApplication sets it on a Russian desktop.
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) std::setlocale(LC_ALL, "de_DE.UTF-8");
    std::fprintf(stderr, "fuzzing numbers under the locale \"%s\"\n",
                 std::setlocale(LC_ALL, nullptr));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    current_input = text;

    double lenient = 0;
    check_reading(text, lenient);
    check_rounding(lenient);
    check_whole_part(lenient);
    check_writing(lenient);

    // The first bytes as a raw number: NaN, infinities, subnormals, huge values.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        check_rounding(raw);
        check_whole_part(raw);
        check_writing(raw);
    }
    if (size >= sizeof(std::int32_t)) {
        std::int32_t whole;
        std::memcpy(&whole, data, sizeof whole);
        check_whole_writing(whole);
    }

    if (size <= 64) check_interval_box(text);
    return 0;
}
