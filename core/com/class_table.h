#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/com/variant.h"

namespace plot {

// What the C interface knows of one creatable class: how to make it, and its properties and
// methods by name, each converting variants to and from the C++ members.
struct PropertyEntry {
  std::string name;
  std::function<plot_variant(void*)> get;
  std::function<void(void*, const plot_variant&)> put;
};

struct MethodEntry {
  std::string name;
  std::function<plot_variant(void*, std::span<const plot_variant>)> invoke;
};

struct ClassEntry {
  std::string name;
  std::function<std::shared_ptr<void>()> create;
  std::vector<PropertyEntry> properties;
  std::vector<MethodEntry> methods;

  const PropertyEntry* property(std::string_view wanted) const;
  const MethodEntry* method(std::string_view wanted) const;
};

namespace detail {

template <typename T>
T from_variant(const plot_variant& v);
template <>
inline int16_t from_variant<int16_t>(const plot_variant& v) {
  return as_int16(v);
}
template <>
inline int32_t from_variant<int32_t>(const plot_variant& v) {
  return as_int32(v);
}
template <>
inline float from_variant<float>(const plot_variant& v) {
  return as_single(v);
}
template <>
inline double from_variant<double>(const plot_variant& v) {
  return as_double(v);
}
template <>
inline Boolean from_variant<Boolean>(const plot_variant& v) {
  return as_boolean(v);
}
template <>
inline std::string from_variant<std::string>(const plot_variant& v) {
  return as_string(v);
}
template <>
inline StringArray from_variant<StringArray>(const plot_variant& v) {
  return as_strings(v);
}

template <>
inline DoubleArray2 from_variant<DoubleArray2>(const plot_variant& v) {
  return as_r8_array2(v);
}

template <typename T>
concept Record = std::is_class_v<T> && requires {
  RecordName<T>::value;
};

// The storage an argument lives in for the call: a converted value, or the host's record.
// `v` is null only for an optional argument the host left out.
template <typename Param>
struct Argument {
  using Value = std::remove_cvref_t<Param>;
  explicit Argument(const plot_variant* v) : value(from_variant<Value>(*v)) {}
  Value& get() { return value; }
  Value value;
};

template <Record R>
struct Argument<R&> {
  explicit Argument(const plot_variant* v) : record(as_record<R>(*v)) {}
  R& get() { return record; }
  R& record;
};

// A record taken by pointer is optional: left out, or passed as an empty variant, it is null.
template <typename Param>
inline constexpr bool kOptional = false;
template <Record R>
inline constexpr bool kOptional<const R*> = true;

template <Record R>
struct Argument<const R*> {
  explicit Argument(const plot_variant* v)
      : record(v == nullptr || variant_tag(*v) == PLOT_EMPTY ? nullptr : &as_record<R>(*v)) {}
  const R*& get() { return record; }
  const R* record;
};

// How many arguments a host must pass: optional ones come last.
template <typename... Params>
constexpr std::size_t required_arguments() {
  constexpr bool optional[] = {kOptional<Params>..., false};
  std::size_t required = sizeof...(Params);
  while (required > 0 && optional[required - 1]) --required;
  for (std::size_t i = 0; i < required; ++i)
    if (optional[i]) throw "an optional argument before a required one";
  return required;
}

template <typename Result>
plot_variant to_result(Result&& value) {
  return variant_of(std::forward<Result>(value));
}

}  // namespace detail

[[noreturn]] void raise_wrong_argument_count();

template <typename C>
class ClassBuilder {
 public:
  explicit ClassBuilder(std::string name) {
    entry_.name = std::move(name);
    entry_.create = [] { return std::shared_ptr<void>(std::make_shared<C>()); };
  }

  template <typename Base, typename T>
  ClassBuilder& property(std::string name, T Base::*member) {
    static_assert(std::is_base_of_v<Base, C>);
    entry_.properties.push_back(
        {std::move(name),
         [member](void* self) { return variant_of(static_cast<C*>(self)->*member); },
         [member](void* self, const plot_variant& v) {
           static_cast<C*>(self)->*member = detail::from_variant<T>(v);
         }});
    return *this;
  }

  template <typename Base, typename Result, typename... Params>
  ClassBuilder& method(std::string name, Result (Base::*function)(Params...)) {
    static_assert(std::is_base_of_v<Base, C>);
    entry_.methods.push_back(
        {std::move(name), [function](void* self, std::span<const plot_variant> arguments) {
           constexpr std::size_t required = detail::required_arguments<Params...>();
           if (arguments.size() < required || arguments.size() > sizeof...(Params))
             raise_wrong_argument_count();
           return call(static_cast<C*>(self), function, arguments,
                       std::index_sequence_for<Params...>{});
         }});
    return *this;
  }

  ClassEntry build() { return std::move(entry_); }

 private:
  template <typename Base, typename Result, typename... Params, std::size_t... I>
  static plot_variant call(C* self, Result (Base::*function)(Params...),
                           [[maybe_unused]] std::span<const plot_variant> arguments,
                           std::index_sequence<I...>) {
    // Arguments are converted left to right before the call, as the host does.
    std::tuple<detail::Argument<Params>...> converted{
        detail::Argument<Params>(I < arguments.size() ? &arguments[I] : nullptr)...};
    if constexpr (std::is_void_v<Result>) {
      (self->*function)(std::get<I>(converted).get()...);
      return empty_variant();
    } else {
      return detail::to_result((self->*function)(std::get<I>(converted).get()...));
    }
  }

  ClassEntry entry_;
};

}  // namespace plot
