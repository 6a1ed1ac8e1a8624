#pragma once

// One fuzz input as a hostile host's calls through a plug-in's C interface: objects created
// and released, properties and methods by name with variants of any tag, bounds and record,
// viewers resized, clicked and read back, device contexts made and freed. Checks what must hold
// for any calls: every failure is a known run-time error with its text, a picture is as large
// as it says, and after the clean-up the plug-in may be unloaded. Undefined behaviour is the
// sanitizers' to catch. Shared by the libFuzzer target and the unit tests, so that a build
// without clang still runs it.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plot_plugin.h"

namespace plot::fuzz {

// A record the plug-in takes: its name and size.
struct RecordKind {
  const char* name;
  int32_t size;
};

// Reads the input front to back; past its end every value is 0.
class InputBytes {
 public:
  InputBytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  template <typename T>
  T value() {
    std::array<uint8_t, sizeof(T)> raw{};
    for (uint8_t& b : raw) b = byte();
    T result;
    std::memcpy(&result, raw.data(), sizeof(T));
    return result;
  }
  // Mostly small, now and then any 32-bit value.
  int32_t count(int32_t small) {
    const uint8_t b = byte();
    return b < 240 ? b % (small + 1) : value<int32_t>();
  }
  std::span<const uint8_t> rest(std::size_t most) {
    const std::size_t n = std::min(most, size_ - std::min(at_, size_));
    std::span<const uint8_t> taken(data_ + at_, n);
    at_ += n;
    return taken;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

inline constexpr std::array<const char*, 33> kMemberNames = {
    "formes",     "nGrups",        "centreX",         "centreY",   "graella",
    "mostrar",    "Passar_Punts",  "Initialize",      "glPrint",   "display",
    "OnSize",     "SetViewPort",   "Class_Terminate", "DrawWorld", "InitializeForms",
    "DrawAxes",   "m_fieldOfView", "xAngle",          "yAngle",    "zAngle",
    "xPunt",      "yPunt",         "colorp",          "colorf",    "colort",
    "printeixos", "observation",   "outlier_mark",    "labels",    "",
    "FORMES",     "mostrar ",      "nothing"};

inline constexpr std::array<const char*, 12> kButtonNames = {
    "Sortir", "Rot_X",    "Rot_XX",   "Rot_Y", "Rot_YY", "Rot_Z",
    "Rot_ZZ", "inc_zoom", "dec_zoom", "",      "sortir", "Rot_W"};

inline constexpr std::array<std::string_view, 6> kTexts = {
    "",          "Grup 1 ",          "alr1",
    "\xC3\xA9s", "\xFF\xFE invalid", "a longer text of forty-odd bytes, no end"};

// What a problem found is; empty for none.
class CallChecks {
 public:
  void status(const char* what, int32_t status, const plot_error& error) {
    if (!problem.empty()) return;
    static constexpr std::array<int32_t, 8> kKnown = {0, 5, 6, 7, 9, 11, 13, 62};
    bool known = false;
    for (const int32_t k : kKnown) known = known || status == k;
    if (!known)
      problem = std::string(what) + " returned " + std::to_string(status);
    else if (error.number != status)
      problem = std::string(what) + ": error number differs from the status";
    else if (status != 0 && error.text[0] == '\0')
      problem = std::string(what) + ": an error without its text";
  }
  std::string problem;
};

class HostileHost {
 public:
  HostileHost(std::span<const RecordKind> records, InputBytes& in)
      : records_(records), in_(in), record_(kRecordBytes) {}

  // Runs the input's calls, then cleans up as a careful host would.
  std::string run() {
    plot_set_display_mode(2);
    plot_set_message_sink([](const char*, void* messages) { ++*static_cast<int*>(messages); },
                          &messages_);
    for (int step = 0; step < kMostSteps && !in_.done(); ++step) one_call();
    clean_up();
    plot_set_message_sink([](const char*, void*) {}, nullptr);
    return checks_.problem;
  }

 private:
  static constexpr int kMostSteps = 48;
  static constexpr std::size_t kRecordBytes = 64 * 1024;
  static constexpr int kSlots = 4;

  void one_call() {
    plot_error error{};
    plot_object*& object = objects_[in_.byte() % kSlots];
    switch (in_.byte() % 12) {
      case 0: {
        if (object != nullptr) plot_release(object);
        object = nullptr;
        const uint8_t which = in_.byte();
        const char* name = plot_class_name(which % 3);
        checks_.status("create", plot_create(name, &object, &error), error);
        break;
      }
      case 1:
        plot_release(object);
        object = nullptr;
        break;
      case 2: {
        plot_variant value{};
        checks_.status("get", plot_get(object, member(), &value, &error), error);
        plot_variant_clear(&value);
        break;
      }
      case 3: {
        const char* name = member();
        const plot_variant value = variant();
        checks_.status("put", plot_put(object, name, &value, &error), error);
        break;
      }
      case 4: {
        const char* name = member();
        std::array<plot_variant, 4> arguments{};
        const int32_t count = in_.byte() % 5;
        for (int32_t i = 0; i < count; ++i) arguments[static_cast<std::size_t>(i)] = variant();
        plot_variant result{};
        checks_.status("call", plot_call(object, name, arguments.data(), count, &result, &error),
                       error);
        plot_variant_clear(&result);
        break;
      }
      case 5:
        checks_.status("click",
                       plot_viewer_click(kButtonNames[in_.byte() % kButtonNames.size()], &error),
                       error);
        break;
      case 6: {
        const int32_t width = size();
        const int32_t height = size();
        checks_.status("resize", plot_viewer_resize(width, height, &error), error);
        break;
      }
      case 7:
        picture();
        break;
      case 8:
        checks_.status("close", plot_viewer_close(&error), error);
        break;
      case 9: {
        int32_t& hdc = contexts_[in_.byte() % contexts_.size()];
        if (hdc != 0) plot_release_device_context(hdc);
        const int32_t width = size();
        hdc = plot_offscreen_device_context(width, size());
        break;
      }
      case 10: {
        int32_t& hdc = contexts_[in_.byte() % contexts_.size()];
        plot_release_device_context(hdc);
        hdc = 0;
        break;
      }
      case 11:
        plot_ui_wait(in_.byte() % 2 == 0 ? 0.0 : std::nan(""));
        break;
    }
  }

  const char* member() { return kMemberNames[in_.byte() % kMemberNames.size()]; }

  // Sizes of a small window, or anything at all.
  int32_t size() {
    const uint8_t b = in_.byte();
    return b < 224 ? b + 1 : in_.value<int32_t>();
  }

  plot_variant variant() {
    plot_variant v{};
    const uint8_t kind = in_.byte();
    // Tags 0 to 8 mostly; any 32-bit tag now and then.
    const int32_t tag = kind < 240 ? kind % 9 : in_.value<int32_t>();
    std::memcpy(&v.type, &tag, sizeof tag);
    switch (tag) {
      case PLOT_BOOL:
      case PLOT_I2:
        v.value.i2 = in_.value<int16_t>();
        break;
      case PLOT_I4: {
        // A device context made earlier, or any integer.
        const uint8_t b = in_.byte();
        v.value.i4 = b < 64 ? contexts_[b % contexts_.size()] : in_.value<int32_t>();
        break;
      }
      case PLOT_R4:
        v.value.r4 = in_.value<float>();
        break;
      case PLOT_R8:
        v.value.r8 = in_.value<double>();
        break;
      case PLOT_STRING:
        v.value.string = text();
        break;
      case PLOT_RECORD:
        v.value.record = record();
        break;
      case PLOT_STRINGS:
        v.value.strings = strings();
        break;
      default:
        v.value.r8 = in_.value<double>();
        break;
    }
    return v;
  }

  plot_string text() {
    const std::string_view s = kTexts[in_.byte() % kTexts.size()];
    const uint8_t form = in_.byte();
    // A negative length, or a null text of some length, are the host's mistakes to refuse.
    if (form == 255) return {s.data(), -1};
    if (form == 254) return {nullptr, 3};
    return {s.data(), static_cast<int32_t>(s.size())};
  }

  plot_record record() {
    const uint8_t b = in_.byte();
    const bool known = b % 4 != 0 && !records_.empty();
    const RecordKind kind = known ? records_[b % records_.size()] : RecordKind{"Vector_Other", 8};
    // The input's bytes, then a fill of one byte value: counts near 0 as often as not.
    const uint8_t fill = in_.byte() % 2 == 0 ? 0 : in_.byte();
    std::fill(record_.begin(), record_.end(), fill);
    const auto bytes = in_.rest(in_.byte());
    std::copy(bytes.begin(), bytes.end(), record_.begin());
    const uint8_t size_form = in_.byte();
    const int32_t size = size_form < 200 ? kind.size : in_.value<int32_t>() % 1024;
    return {size_form == 255 ? nullptr : kind.name, size_form == 254 ? nullptr : record_.data(),
            size};
  }

  plot_strings strings() {
    static constexpr plot_string kItems[3] = {{"alr1", 4}, {"alr2", 4}, {"alr3", 4}};
    const uint8_t b = in_.byte();
    const int32_t lower = b < 128 ? b % 4 - 1 : in_.value<int32_t>();
    const int64_t upper = int64_t{lower} + in_.byte() % 4 - 1;
    // Bounds beyond the items given are named with no items at all.
    if (upper < std::numeric_limits<int32_t>::min() || upper > std::numeric_limits<int32_t>::max())
      return {lower, in_.value<int32_t>(), nullptr};
    return {lower, static_cast<int32_t>(upper), kItems};
  }

  void picture() {
    const int32_t capacity = in_.byte() < 128 ? in_.byte() : in_.value<int32_t>();
    std::vector<uint8_t> buffer(static_cast<std::size_t>(std::clamp(capacity, 0, 1 << 24)));
    int32_t width = -1;
    int32_t height = -1;
    const int32_t needed =
        plot_viewer_picture(buffer.empty() ? nullptr : buffer.data(),
                            static_cast<int32_t>(buffer.size()), &width, &height);
    if (checks_.problem.empty() && int64_t{needed} != int64_t{width} * height * 3)
      checks_.problem = "a picture's size and its bytes differ";
  }

  void clean_up() {
    plot_error error{};
    plot_viewer_close(&error);
    for (plot_object*& object : objects_) {
      plot_release(object);
      object = nullptr;
    }
    for (int32_t& hdc : contexts_) {
      if (hdc != 0) plot_release_device_context(hdc);
      hdc = 0;
    }
    if (checks_.problem.empty() && plot_can_unload_now() != 1)
      checks_.problem = "the plug-in cannot be unloaded after every object was released";
  }

  std::span<const RecordKind> records_;
  InputBytes& in_;
  std::vector<uint8_t> record_;
  std::array<plot_object*, kSlots> objects_{};
  std::array<int32_t, 2> contexts_{};
  CallChecks checks_;
  int messages_ = 0;
};

inline std::string exercise_calls(const uint8_t* data, std::size_t size,
                                  std::span<const RecordKind> records) {
  InputBytes in(data, size);
  return HostileHost(records, in).run();
}

}  // namespace plot::fuzz
