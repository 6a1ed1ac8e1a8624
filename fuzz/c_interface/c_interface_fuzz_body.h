#pragma once

// One fuzz input as a hostile host's calls through a plug-in's C interface: objects created
// and released, properties and methods by name with variants of any tag, bounds and record,
// viewers resized, clicked and read back, device contexts made and freed, exchange files of any
// bytes written for the 3D plug-ins. Checks what must hold
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
#include <deque>
#include <fstream>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/com/plugin_definition.h"
#include "plot_limits.h"
#include "plot_plugin.h"
#include "tools/host/exchange_folder.h"

namespace plot::fuzz {

// A record the plug-in takes: its name and size, and where its plot_string fields lie. Those
// hold the host's pointers: the input chooses them among valid ones, never their bytes.
struct RecordKind {
  const char* name;
  int32_t size;
  int32_t strings_at = 0;
  int32_t string_count = 0;
};

// What the input may hand one plug-in: its records, and the exchange files it reads (by the
// name it asks for, with the leading backslash).
struct FuzzPlugin {
  const char* name;
  std::span<const RecordKind> records;
  std::span<const char* const> exchange_files = {};
};

// Reads the input front to back; past its end every value is 0.
class InputBytes {
 public:
  InputBytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  // The next sizeof(T) bytes, zero past the end.
  template <typename T>
  T value() {
    std::array<uint8_t, sizeof(T)> raw{};
    const std::span<const uint8_t> bytes = rest(raw.size());
    std::copy(bytes.begin(), bytes.end(), raw.begin());
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

// Names no plug-in has, or has with another case or a space.
inline constexpr std::array<const char*, 5> kStrangeNames = {"", "FORMES", "mostrar ", "nothing",
                                                             "Passar_punts"};

// Every property and method of the plug-in's classes, then the strange names.
inline std::vector<std::string> member_names() {
  std::vector<std::string> names;
  for (const ClassEntry& entry : plugin_definition().classes) {
    for (const PropertyEntry& p : entry.properties) names.push_back(p.name);
    for (const MethodEntry& m : entry.methods) names.push_back(m.name);
  }
  names.insert(names.end(), kStrangeNames.begin(), kStrangeNames.end());
  return names;
}

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
  HostileHost(const FuzzPlugin& plugin, InputBytes& in)
      : plugin_(plugin), in_(in), names_(member_names()) {}

  // Runs the input's calls, then cleans up as a careful host would.
  std::string run() {
    // The 3D plug-ins read what the input writes here, never the user's own profile.
    if (!plugin_.exchange_files.empty()) profile_.emplace();
    plot_set_display_mode(2);
    plot_set_message_sink([](const char*, void* messages) { ++*static_cast<int*>(messages); },
                          &messages_);
    for (int step = 0; step < kMostSteps && !in_.done(); ++step) {
      one_call();
      // The host keeps what it lent only for the call.
      texts_.clear();
      items_.clear();
      records_.clear();
      arrays_.clear();
    }
    clean_up();
    plot_set_message_sink([](const char*, void*) {}, nullptr);
    profile_.reset();
    return checks_.problem;
  }

 private:
  static constexpr int kMostSteps = 48;
  static constexpr int kSlots = 4;

  void one_call() {
    plot_error error{};
    plot_object*& object = objects_[in_.byte() % kSlots];
    switch (in_.byte() % 13) {
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
      case 12:
        exchange_file();
        break;
    }
  }

  const char* member() { return names_[in_.byte() % names_.size()].c_str(); }

  // Sizes of a small window, or anything at all.
  int32_t size() {
    const uint8_t b = in_.byte();
    return b < 224 ? b + 1 : in_.value<int32_t>();
  }

  plot_variant variant() {
    plot_variant v{};
    const uint8_t kind = in_.byte();
    // Tags 0 to 9 mostly; any 32-bit tag now and then.
    const int32_t tag = kind < 240 ? kind % 10 : in_.value<int32_t>();
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
      case PLOT_R8_ARRAY2:
        v.value.r8_array2 = array2();
        break;
      default:
        v.value.r8 = in_.value<double>();
        break;
    }
    return v;
  }

  // Bytes the host owns with their true length; a negative length, or a null text of any
  // length, are the host's mistakes to refuse. A length beyond the bytes would be a lie no
  // plug-in can see, so it is never made.
  plot_string text() {
    const std::string_view s = kTexts[in_.byte() % kTexts.size()];
    const uint8_t form = in_.byte();
    if (form == 255) return {s.data(), in_.value<int32_t>() | std::numeric_limits<int32_t>::min()};
    if (form == 254) return {nullptr, in_.value<int32_t>()};
    if (form == 253) {
      const auto bytes = in_.rest(in_.byte());
      const std::string& owned = texts_.emplace_back(bytes.begin(), bytes.end());
      return {owned.data(), static_cast<int32_t>(owned.size())};
    }
    return {s.data(), static_cast<int32_t>(s.size())};
  }

  plot_record record() {
    const uint8_t b = in_.byte();
    const bool known = b % 4 != 0 && !plugin_.records.empty();
    const RecordKind kind =
        known ? plugin_.records[b % plugin_.records.size()] : RecordKind{"Vector_Other", 8};
    // Room for any size the record claims below.
    std::vector<uint8_t>& data =
        records_.emplace_back(static_cast<std::size_t>(std::max(kind.size, 1024)));
    // The input's bytes, then a fill of one byte value: counts near 0 as often as not.
    const uint8_t fill = in_.byte() % 2 == 0 ? 0 : in_.byte();
    std::fill(data.begin(), data.end(), fill);
    const auto bytes = in_.rest(in_.byte() < 192 ? in_.byte() : in_.value<uint16_t>());
    std::copy_n(bytes.begin(), std::min(bytes.size(), data.size()), data.begin());
    // Then its last bytes, where most records keep their counts.
    const auto tail = in_.rest(std::min<int32_t>(in_.byte(), kind.size));
    std::copy(tail.begin(), tail.end(), data.begin() + (kind.size - std::ssize(tail)));
    for (int32_t i = 0; i < kind.string_count; ++i) {
      const plot_string s = text();
      std::memcpy(data.data() + kind.strings_at + i * int32_t{sizeof s}, &s, sizeof s);
    }
    const uint8_t size_form = in_.byte();
    const int32_t size = size_form < 200 ? kind.size : in_.value<int32_t>() % 1024;
    return {size_form == 255 ? nullptr : kind.name, size_form == 254 ? nullptr : data.data(), size};
  }

  plot_strings strings() {
    const uint8_t b = in_.byte();
    const int32_t lower = b < 128 ? b % 4 - 1 : in_.value<int32_t>();
    const int64_t upper = int64_t{lower} + in_.byte() % 4 - 1;
    // Bounds beyond the items given are named with no items at all.
    if (upper < std::numeric_limits<int32_t>::min() || upper > std::numeric_limits<int32_t>::max())
      return {lower, in_.value<int32_t>(), nullptr};
    std::array<plot_string, 3>& items = items_.emplace_back();
    for (int64_t i = 0; i < upper - lower + 1; ++i) items[static_cast<std::size_t>(i)] = text();
    return {lower, static_cast<int32_t>(upper), items.data()};
  }

  // Bounds of small arrays and of Tormin's table, or any; the items the host owns, or none.
  plot_r8_array2 array2() {
    const auto bound = [this] {
      const uint8_t b = in_.byte();
      return b < 128 ? int32_t{b % 4 - 1} : in_.value<int32_t>();
    };
    const auto extent = [this] {
      const uint8_t b = in_.byte();
      return b < 200   ? int64_t{b % 6}
             : b < 250 ? int64_t{PLOT_MAX_3D_OBSERVATIONS}
                       : int64_t{in_.value<int32_t>()};
    };
    const int32_t row_lower = bound();
    const int64_t rows = extent();
    const int32_t column_lower = bound();
    const int64_t columns = extent();
    const auto upper = [this](int32_t lower, int64_t length) {
      const int64_t u = lower + length - 1;
      return u >= std::numeric_limits<int32_t>::min() && u <= std::numeric_limits<int32_t>::max()
                 ? static_cast<int32_t>(u)
                 : in_.value<int32_t>();
    };
    plot_r8_array2 array{row_lower, upper(row_lower, rows), column_lower,
                         upper(column_lower, columns), nullptr};
    constexpr int64_t kMostItems = (PLOT_MAX_3D_OBSERVATIONS + 1) * 6;
    const int64_t row_count = int64_t{array.row_upper} - row_lower + 1;
    const int64_t column_count = int64_t{array.column_upper} - column_lower + 1;
    const bool small = row_count >= 0 && column_count >= 0 && row_count <= kMostItems &&
                       column_count <= kMostItems && row_count * column_count <= kMostItems;
    if (in_.byte() < 240 && small) {
      const int64_t count = row_count * column_count;
      std::vector<double>& items = arrays_.emplace_back(static_cast<std::size_t>(count) + 1);
      const auto bytes = in_.rest(in_.byte() * sizeof(double));
      std::memcpy(items.data(), bytes.data(),
                  std::min(bytes.size(), items.size() * sizeof(double)));
      array.items = items.data();
    }
    return array;
  }

  // A file of the input's bytes where the plug-in looks for one.
  void exchange_file() {
    const uint8_t which = in_.byte();
    const uint8_t b = in_.byte();
    const auto bytes = in_.rest(b < 128 ? b : (b - 127) * 16u);
    if (!profile_) return;
    std::ofstream(profile_->file(plugin_.exchange_files[which % plugin_.exchange_files.size()]),
                  std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
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

  const FuzzPlugin& plugin_;
  InputBytes& in_;
  std::vector<std::string> names_;
  std::optional<PrivateProfile> profile_;
  // What the host lends for one call: deques, so that earlier items stay where they are.
  std::deque<std::string> texts_;
  std::deque<std::array<plot_string, 3>> items_;
  std::deque<std::vector<uint8_t>> records_;
  std::deque<std::vector<double>> arrays_;
  std::array<plot_object*, kSlots> objects_{};
  std::array<int32_t, 2> contexts_{};
  CallChecks checks_;
  int messages_ = 0;
};

inline std::string exercise_calls(const uint8_t* data, std::size_t size, const FuzzPlugin& plugin) {
  InputBytes in(data, size);
  return HostileHost(plugin, in).run();
}

}  // namespace plot::fuzz
