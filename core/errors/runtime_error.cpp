#include "core/errors/runtime_error.h"

namespace plot {

const char* error_text(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::InvalidCall:
      return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
      return "Overflow";
    case ErrorNumber::SubscriptOutOfRange:
      return "Subscript out of range";
    case ErrorNumber::DivisionByZero:
      return "Division by zero";
    case ErrorNumber::TypeMismatch:
      return "Type mismatch";
    case ErrorNumber::InputPastEndOfFile:
      return "Input past end of file";
  }
  return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(error_text(number)), number_(number) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& text)
    : std::runtime_error(text), number_(number) {}

void raise(ErrorNumber number) {
  throw RuntimeError(number);
}

}  // namespace plot
