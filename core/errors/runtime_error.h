#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace plot {

// The run-time error numbers a host sees from any call of the C interface.
enum class ErrorNumber : int32_t {
  InvalidCall = 5,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,
  InputPastEndOfFile = 62,
};

const char* error_text(ErrorNumber number);

// A run-time error: it ends the method that raised it and travels unchanged to the caller of the
// C interface, which is the only place that catches it.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorNumber number);
  RuntimeError(ErrorNumber number, const std::string& text);

  ErrorNumber number() const { return number_; }
  int32_t code() const { return static_cast<int32_t>(number_); }

 private:
  ErrorNumber number_;
};

[[noreturn]] void raise(ErrorNumber number);

}  // namespace plot
