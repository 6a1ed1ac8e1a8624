// Every plug-in driven the way a host drives it: dlopen, dlsym and the C interface only.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "plot_plugin.h"
#include "plot_variants.h"
#include "plot_vorn_records.h"
#include "support/loaded_plugin.h"

namespace {

struct Plugin {
  std::string name;
  std::string data_class;
  std::string renderer_class;
  std::vector<std::string> data_properties;
};

const std::vector<Plugin>& plugins() {
  static const std::vector<Plugin> all = {
      {"biplot",
       "CDades_biplot",
       "COpenGL_biplot",
       {"printeixos", "observation", "outlier_mark", "labels", "formes", "nGrups"}},
      {"Havrel",
       "CDades_Havrel",
       "COpenGL_Havrel",
       {"printeixos", "observation", "outlier_mark", "labels", "formes", "nGrups"}},
      {"Pellin", "CDades_ALR", "COpenGL_alr", {"formes", "nGrups", "centreX", "centreY"}},
      {"Tormin", "CDades_ALR_3D", "COpenGL_alr_3D", {"formes", "nGrups", "centreX", "centreY"}},
      {"ternary", "CDades_Ternary", "COpenGL_TD", {"graella", "formes", "nGrups"}},
      {"Quadrel", "CDades_Quadrel", "COpenGL_TD_3D", {"graella", "formes", "nGrups"}},
      {"Vorn", "CDades_vorn", "COpenGL_VORN", {"nGrups", "formes"}},
      {"Vornc", "CDades_VORN_C", "COpenGL_VORN_C", {"formes", "nGrups", "corbesColor"}},
  };
  return all;
}

// The C interface of one loaded plug-in, off screen, with the messages it shows.
struct Loaded : plot::testing::LoadedPlugin {
  explicit Loaded(const std::string& name) : LoadedPlugin(name, 2) {
    if (handle == nullptr) return;
    set_message_sink(
        [](const char* text, void* self) { static_cast<Loaded*>(self)->messages.push_back(text); },
        this);
  }
  std::vector<std::string> messages;
};

// Each plug-in is loaded once and stays loaded, as in a host.
Loaded& loaded(const std::string& name) {
  static std::map<std::string, std::unique_ptr<Loaded>> all;
  auto& slot = all[name];
  if (!slot) slot = std::make_unique<Loaded>(name);
  return *slot;
}

// The 3D plug-ins read their exchange files from "USERPROFILE": an empty folder of the test's
// own, never the user's profile.
class EmptyProfile : public ::testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "plot-profile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    setenv("USERPROFILE", folder_.c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

 private:
  std::filesystem::path folder_;
};
[[maybe_unused]] ::testing::Environment* const kEmptyProfile =
    ::testing::AddGlobalTestEnvironment(new EmptyProfile);

// The plug-ins whose Initialize reads exchange files, and finds none in the empty profile.
bool reads_exchange_files(const Plugin& p) {
  return p.name == "Tormin" || p.name == "Havrel" || p.name == "Quadrel";
}

TEST(CInterface, EveryPluginCreatesItsClassesByNameAndRefusesOthers) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    ASSERT_NE(l.handle, nullptr);
    EXPECT_EQ(std::string(l.class_name(0)), p.data_class);
    EXPECT_EQ(std::string(l.class_name(1)), p.renderer_class);
    EXPECT_EQ(l.class_name(2), nullptr);
    plot_object* object = nullptr;
    plot_error error{};
    EXPECT_EQ(l.create("CDades_Nothing", &object, &error), 5);
    EXPECT_EQ(object, nullptr);
    EXPECT_NE(std::string(error.text).find("CDades_Nothing"), std::string::npos);
    EXPECT_EQ(l.create(nullptr, &object, &error), 5);
  }
}

TEST(CInterface, PropertiesStartEmptyAndTakeWhatTheHostPuts) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.data_class.c_str(), &data, &error), 0) << error.text;
    for (const std::string& property : p.data_properties) {
      plot_variant value{};
      ASSERT_EQ(l.get(data, property.c_str(), &value, &error), 0) << property << error.text;
      if (value.type == PLOT_STRING) {
        EXPECT_EQ(value.value.string.length, 0);
        const plot_variant put = plot_variant_text("pc");
        EXPECT_EQ(l.put(data, property.c_str(), &put, &error), 0);
      } else {
        EXPECT_EQ(value.type == PLOT_R8 ? value.value.r8 : value.value.i2, 0) << property;
        const plot_variant put =
            plot_variant_i4(-1);  // a 32-bit integer converts to the property's type
        EXPECT_EQ(l.put(data, property.c_str(), &put, &error), 0) << error.text;
        const plot_variant word = plot_variant_text("many");
        EXPECT_EQ(l.put(data, property.c_str(), &word, &error), 13) << property;
      }
      l.variant_clear(&value);
      ASSERT_EQ(l.get(data, property.c_str(), &value, &error), 0);
      if (value.type == PLOT_STRING) {
        EXPECT_EQ(std::string(value.value.string.data, 2), "pc");
      } else if (value.type == PLOT_BOOL) {
        EXPECT_EQ(value.value.boolean, PLOT_TRUE);
      }
      l.variant_clear(&value);
    }
    plot_variant value{};
    EXPECT_EQ(l.get(data, "colour", &value, &error), 5);
    EXPECT_EQ(l.call(data, "show", nullptr, 0, nullptr, &error), 5);
    l.release(data);
  }
}

TEST(CInterface, GroupNamesComeBackWithTheirBounds) {
  const plot_string names[] = {{"Gr\xc3\xa0nit", 7}, {"Marbre", 6}};
  const plot_variant put = plot_variant_strings(1, 2, names);
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    ASSERT_NE(l.handle, nullptr);
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.data_class.c_str(), &data, &error), 0) << error.text;
    ASSERT_EQ(l.put(data, "nomsGrups", &put, &error), 0) << error.text;
    plot_variant got{};
    ASSERT_EQ(l.get(data, "nomsGrups", &got, &error), 0) << error.text;
    ASSERT_EQ(got.type, PLOT_STRINGS);
    EXPECT_EQ(got.value.strings.lower, 1);
    ASSERT_EQ(got.value.strings.upper, 2);
    EXPECT_EQ(std::string(got.value.strings.items[0].data, 7), "Gr\xc3\xa0nit");
    EXPECT_EQ(std::string(got.value.strings.items[1].data), "Marbre");
    l.variant_clear(&got);
    l.release(data);
  }
}

TEST(CInterface, RendererMembersAreReachableAndArgumentsChecked) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    plot_object* renderer = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.renderer_class.c_str(), &renderer, &error), 0);
    plot_variant value{};
    EXPECT_EQ(l.get(renderer, "m_fieldOfView", &value, &error), p.name == "Vorn" ? 5 : 0);
    // The renderer has every setting of its data class; the biplots' also a centre of their own.
    std::vector<std::string> settings = p.data_properties;
    if (p.name == "biplot" || p.name == "Havrel")
      settings.insert(settings.end(), {"centreX", "centreY"});
    for (const std::string& setting : settings) {
      EXPECT_EQ(l.get(renderer, setting.c_str(), &value, &error), 0) << setting;
      l.variant_clear(&value);
    }
    EXPECT_EQ(l.call(renderer, "SetViewPort", nullptr, 0, nullptr, &error),
              p.name == "Vorn" ? 5 : 0);
    // Without a context the drawing methods do nothing; a wrong argument count or type is an error.
    EXPECT_EQ(l.call(renderer, "display", nullptr, 0, nullptr, &error), 0);
    const plot_variant size[] = {plot_variant_i4(300), plot_variant_i4(200)};
    EXPECT_EQ(l.call(renderer, "OnSize", size, 2, nullptr, &error), 0);
    EXPECT_EQ(l.call(renderer, "OnSize", size, 1, nullptr, &error), 5);
    const plot_variant words[] = {plot_variant_text("wide"), plot_variant_text("high")};
    EXPECT_EQ(l.call(renderer, "OnSize", words, 2, nullptr, &error), 13);
    // Initialize on an off-screen device context of the host's.
    const plot_variant handles[] = {plot_variant_i4(0),
                                    plot_variant_i4(l.offscreen_device_context(200, 100))};
    plot_variant result{};
    ASSERT_EQ(l.call(renderer, "Initialize", handles, 2, &result, &error), 0) << error.text;
    EXPECT_EQ(result.type, PLOT_BOOL);
    if (reads_exchange_files(p)) {
      EXPECT_EQ(result.value.boolean, PLOT_FALSE);
      EXPECT_EQ(l.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
      l.messages.clear();
    } else {
      EXPECT_EQ(result.value.boolean, PLOT_TRUE);
    }
    const plot_variant no_dc[] = {plot_variant_i4(0), plot_variant_i4(0)};
    ASSERT_EQ(l.call(renderer, "Initialize", no_dc, 2, &result, &error), 0);
    EXPECT_EQ(result.value.boolean, PLOT_FALSE);
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_EQ(l.messages.back(), "ChoosePixelFormat failed");
    l.messages.clear();
    const plot_variant caption = plot_variant_text("Grup 3 ");
    EXPECT_EQ(l.call(renderer, "glPrint", &caption, 1, nullptr, &error), 0);
    EXPECT_EQ(l.call(renderer, "Class_Terminate", nullptr, 0, nullptr, &error), 0);
    l.release(renderer);
  }
}

TEST(CInterface, MostrarOpensTheViewerAndTheHostCanWatchAndCloseIt) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.data_class.c_str(), &data, &error), 0);
    EXPECT_EQ(l.can_unload_now(), 0);
    const int64_t before = l.viewer_frames();
    const int32_t result = l.call(data, "mostrar", nullptr, 0, nullptr, &error);
    if (result != 0) {
      // The plot needs its records or files: the failure names what is wrong, and no window shows.
      EXPECT_EQ(l.viewer_shown(), 0) << error.text;
      l.release(data);
      continue;
    }
    EXPECT_EQ(l.viewer_shown(), 1);
    EXPECT_GT(l.viewer_frames(), before);
    int32_t w = 0, h = 0;
    const int32_t bytes = l.viewer_picture(nullptr, 0, &w, &h);
    EXPECT_EQ(bytes, w * h * 3);
    EXPECT_EQ(h, 734);
    l.release(data);
    EXPECT_EQ(l.can_unload_now(), 0) << "a viewer is still shown";
    EXPECT_EQ(l.viewer_click("Rot_W", &error), 5);
    EXPECT_EQ(l.viewer_close(&error), 0);
    EXPECT_EQ(l.viewer_shown(), 0);
    EXPECT_EQ(l.can_unload_now(), 1);
  }
}

TEST(CInterface, DragsAndWheelTurnsDrawOneFrameAtTheNextWaitIn3DViewersOnly) {
  int opened = 0;  // 3D viewers
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    const bool three_d = p.name == "Havrel" || p.name == "Tormin" || p.name == "Quadrel";
    Loaded& l = loaded(p.name);
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.data_class.c_str(), &data, &error), 0);
    const bool shown = l.call(data, "mostrar", nullptr, 0, nullptr, &error) == 0;
    l.release(data);
    if (!shown) continue;  // the plot needs records the host did not give
    opened += three_d ? 1 : 0;
    l.messages.clear();  // what mostrar said about missing data is not this test's matter
    const int64_t before = l.viewer_frames();
    for (int i = 0; i < 20; ++i) ASSERT_EQ(l.viewer_drag(3, -1, &error), 0);
    ASSERT_EQ(l.viewer_wheel(2, &error), 0);
    EXPECT_EQ(l.viewer_frames(), before) << "nothing is drawn before the loop runs";
    l.ui_wait(0);
    l.ui_wait(0);
    EXPECT_EQ(l.viewer_frames() - before, three_d ? 1 : 0);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(l.viewer_close(&error), 0);
  }
  EXPECT_EQ(opened, 3) << "every 3D viewer opens, with or without its data";
}

TEST(CInterface, RegisterWritesAManifestThatUnregisterRemoves) {
  const auto folder = std::filesystem::temp_directory_path() / "plot-manifests-test";
  std::filesystem::remove_all(folder);
  Loaded& l = loaded("ternary");
  plot_error error{};
  ASSERT_EQ(l.register_plugin(folder.c_str(), &error), 0) << error.text;
  std::ifstream manifest(folder / "ternary.plugin");
  std::string all((std::istreambuf_iterator<char>(manifest)), {});
  EXPECT_NE(all.find("ternary.so"), std::string::npos);
  EXPECT_NE(all.find("class=CDades_Ternary"), std::string::npos);
  EXPECT_NE(all.find("class=COpenGL_TD"), std::string::npos);
  ASSERT_EQ(l.unregister_plugin(folder.c_str(), &error), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "ternary.plugin"));
  std::filesystem::remove_all(folder);
}

// Before any viewer has presented a frame there is no picture: nothing is copied.
[[noreturn]] void read_picture_before_any_frame() {
  plot::testing::LoadedPlugin l("Vorn", 2);
  uint8_t buffer[1] = {7};
  int32_t w = -1;
  int32_t h = -1;
  const int32_t bytes = l.viewer_picture(buffer, 1, &w, &h);
  std::_Exit(bytes == 0 && w == 0 && h == 0 && buffer[0] == 7 ? 0 : 1);
}

TEST(CInterfaceDeathTest, PictureBeforeAnyFrameIsEmpty) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, in which no frame was made
  EXPECT_EXIT(read_picture_before_any_frame(), ::testing::ExitedWithCode(0), "");
}

// The host's fault, yet no use of freed memory: a pointer already released is refused.
TEST(CInterface, ObjectReleasedTwiceIsRefused) {
  Loaded& l = loaded("Pellin");
  plot_object* data = nullptr;
  plot_error error{};
  ASSERT_EQ(l.create("CDades_ALR", &data, &error), 0);
  l.release(data);
  l.release(data);
  plot_variant value{};
  EXPECT_EQ(l.get(data, "formes", &value, &error), 5);
  EXPECT_EQ(l.put(data, "formes", &value, &error), 5);
  EXPECT_EQ(l.call(data, "mostrar", nullptr, 0, nullptr, &error), 5);
}

TEST(CInterface, OffscreenDeviceContextsAreReleasedByTheHost) {
  Loaded& l = loaded("ternary");
  const auto release = l.release_device_context;
  EXPECT_EQ(l.offscreen_device_context(60000, 60000), 0) << "beyond the largest surface";
  const int32_t hdc = l.offscreen_device_context(50, 40);
  ASSERT_NE(hdc, 0);
  EXPECT_EQ(release(hdc), 0);
  EXPECT_EQ(release(hdc), 5);
  EXPECT_EQ(release(0), 5);
  plot_object* renderer = nullptr;
  plot_error error{};
  ASSERT_EQ(l.create("COpenGL_TD", &renderer, &error), 0);
  const plot_variant handles[] = {plot_variant_i4(0), plot_variant_i4(hdc)};
  plot_variant result{};
  ASSERT_EQ(l.call(renderer, "Initialize", handles, 2, &result, &error), 0);
  EXPECT_EQ(result.value.boolean, PLOT_FALSE);
  EXPECT_EQ(l.messages, std::vector<std::string>{"ChoosePixelFormat failed"});
  l.messages.clear();
  l.release(renderer);
}

// What the testing functions tell: renderers and their contexts counted while they live, the
// frames a host's own surface was given.
TEST(CInterface, HostRenderersAreCountedAndTheirFramesKept) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    const int32_t renderers = l.testing_live_renderers();
    const int32_t contexts = l.testing_live_contexts();
    plot_object* renderer = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.renderer_class.c_str(), &renderer, &error), 0);
    EXPECT_EQ(l.testing_live_renderers(), renderers + 1);
    const int32_t hdc = l.offscreen_device_context(40, 30);
    int32_t w = -1, h = -1;
    EXPECT_EQ(l.device_context_picture(hdc, nullptr, 0, &w, &h), 0) << "no frame yet";
    const plot_variant handles[] = {plot_variant_i4(0), plot_variant_i4(hdc)};
    ASSERT_EQ(l.call(renderer, "Initialize", handles, 2, nullptr, &error), 0);
    l.messages.clear();  // the 3D plug-ins' missing files
    EXPECT_EQ(l.testing_live_contexts(), contexts + 1);
    const plot_variant size[] = {plot_variant_i4(40), plot_variant_i4(30)};
    ASSERT_EQ(l.call(renderer, "OnSize", size, 2, nullptr, &error), 0);
    ASSERT_EQ(l.call(renderer, "display", nullptr, 0, nullptr, &error), 0);
    std::vector<uint8_t> rgb(40 * 30 * 3);
    EXPECT_EQ(l.device_context_picture(hdc, rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h),
              3600);
    EXPECT_EQ(w * 100 + h, 4030);
    EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 3 * 255) << "the corner of a white background";
    l.release(renderer);
    EXPECT_EQ(l.testing_live_renderers(), renderers);
    EXPECT_EQ(l.testing_live_contexts(), contexts);
    EXPECT_EQ(l.release_device_context(hdc), 0);
    EXPECT_EQ(l.device_context_picture(hdc, rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h),
              0);
  }
}

// Vorn with no region drawn: a viewer that shows with the least data.
int32_t show_vorn(Loaded& l, plot_object* data) {
  static Vector_VORN regions{};
  static const plot_string names[] = {{"a", 1}, {"b", 1}, {"c", 1}};
  plot_variant arguments[2] = {};
  arguments[0].type = PLOT_RECORD;
  arguments[0].value.record = {PLOT_VECTOR_VORN_NAME, &regions, sizeof regions};
  arguments[1].type = PLOT_STRINGS;
  arguments[1].value.strings = {1, 3, names};
  plot_error error{};
  return l.call(data, "mostrar", arguments, 2, nullptr, &error);
}

TEST(CInterface, ViewersReleaseTheirRendererAtUnloadOrAtTheNextMostrar) {
  for (const std::string name : {"Vorn", "Havrel"}) {
    SCOPED_TRACE(name);
    Loaded& l = loaded(name);
    const Plugin& p = *std::ranges::find(plugins(), name, &Plugin::name);
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.data_class.c_str(), &data, &error), 0);
    for (int shown = 0; shown < 2; ++shown) {
      ASSERT_EQ(name == "Vorn" ? show_vorn(l, data)
                               : l.call(data, "mostrar", nullptr, 0, nullptr, &error),
                0);
      EXPECT_EQ(l.testing_live_renderers(), 1);
      EXPECT_EQ(l.testing_live_contexts(), 1);
      ASSERT_EQ(l.viewer_close(&error), 0);
      // Vorn lets it go at unload; the others keep it until the next mostrar replaces it.
      EXPECT_EQ(l.testing_live_renderers(), name == "Vorn" ? 0 : 1);
    }
    l.messages.clear();
    l.release(data);
  }
}

// Pixels unlike the first one.
int ink(const std::vector<uint8_t>& rgb) {
  int count = 0;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    count += rgb[i] != rgb[0] || rgb[i + 1] != rgb[1] || rgb[i + 2] != rgb[2];
  return count;
}

// A step that fails is reported as no pixel format is, and leaves no context; glyphs that
// cannot be made leave the text out and nothing else.
TEST(CInterface, FailedPlatformStepsAreReportedAsTheMissingPixelFormat) {
  struct Case {
    const char* step;
    bool reported;  // "ChoosePixelFormat failed", Initialize false, no context, no frame
    bool text;
  };
  const Case cases[] = {{"", false, true},
                        {"pixel_format", true, false},
                        {"set_pixel_format", true, false},
                        {"context", true, false},
                        {"fonts", false, false}};
  Loaded& l = loaded("Vorn");  // its bare renderer writes its corner names
  int all_ink = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    plot_object* renderer = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create("COpenGL_VORN", &renderer, &error), 0);
    const int32_t contexts = l.testing_live_contexts();
    const int32_t hdc = l.offscreen_device_context(120, 90);
    const plot_variant handles[] = {plot_variant_i4(0), plot_variant_i4(hdc)};
    plot_variant result{};
    l.testing_fail(c.step, 1);
    ASSERT_EQ(l.call(renderer, "Initialize", handles, 2, &result, &error), 0);
    l.testing_fail(c.step, 0);
    EXPECT_EQ(result.value.boolean, c.reported ? PLOT_FALSE : PLOT_TRUE);
    EXPECT_EQ(l.messages, c.reported ? std::vector<std::string>{"ChoosePixelFormat failed"}
                                     : std::vector<std::string>{});
    l.messages.clear();
    EXPECT_EQ(l.testing_live_contexts(), contexts + (c.reported ? 0 : 1));
    const plot_variant size[] = {plot_variant_i4(120), plot_variant_i4(90)};
    ASSERT_EQ(l.call(renderer, "OnSize", size, 2, nullptr, &error), 0);
    ASSERT_EQ(l.call(renderer, "display", nullptr, 0, nullptr, &error), 0);
    std::vector<uint8_t> rgb(120 * 90 * 3);
    int32_t w = 0, h = 0;
    const int32_t bytes =
        l.device_context_picture(hdc, rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h);
    EXPECT_EQ(bytes, c.reported ? 0 : static_cast<int32_t>(rgb.size()));
    if (c.text) {
      all_ink = ink(rgb);
    } else if (!c.reported) {
      EXPECT_LT(ink(rgb), all_ink) << "the text left out";
    }
    l.release(renderer);
    l.release_device_context(hdc);
  }
}

// The busy flag: a paint that arrives mid-frame neither draws nor presents a frame of its own.
TEST(CInterface, APaintArrivingMidFrameChangesNothing) {
  Loaded& l = loaded("Vorn");
  plot_object* data = nullptr;
  plot_error error{};
  ASSERT_EQ(l.create("CDades_vorn", &data, &error), 0);
  ASSERT_EQ(show_vorn(l, data), 0);
  std::vector<std::vector<uint8_t>> pictures;
  std::vector<int64_t> frames;
  for (const int32_t reenter : {0, 1}) {
    l.testing_reenter_display(reenter);
    const int64_t before = l.viewer_frames();
    ASSERT_EQ(l.viewer_resize(300, 200, &error), 0);
    ASSERT_EQ(l.viewer_resize(300, 200, &error), 0);
    l.testing_reenter_display(0);
    frames.push_back(l.viewer_frames() - before);
    int32_t w = 0, h = 0;
    std::vector<uint8_t>& rgb = pictures.emplace_back(300 * 200 * 3);
    ASSERT_EQ(l.viewer_picture(rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h),
              static_cast<int32_t>(rgb.size()));
  }
  EXPECT_GT(frames[0], 0);
  EXPECT_EQ(frames[1], frames[0]);
  EXPECT_TRUE(pictures[1] == pictures[0]);
  EXPECT_EQ(l.viewer_close(&error), 0);
  l.release(data);
}

}  // namespace
