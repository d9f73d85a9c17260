// The three failures that the element model can raise. A failure carries its
// numeric code so that the caller can tell what went wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace board {

enum class FailureCode : int {
    Overflow = 6,                // rounding left the signed 32-bit range
    TypeMismatch = 13,           // strict reading met a text that is not a number
    InvalidPropertyValue = 380,  // a timer interval outside kIntervalMin to kIntervalMax
};

class Failure : public std::runtime_error {
  public:
    Failure(FailureCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    FailureCode code() const { return code_; }

  private:
    FailureCode code_;
};

// What the player is told when a failure ends a handler early: in Russian, with
// the failure's code.
std::string failure_message(const Failure& failure);

}  // namespace board
