// Every plug-in driven the way a host drives it: dlopen, dlsym and the C interface only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "plot_plugin.h"
#include "plot_variants.h"
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
      {"Vorn", "CDades_vorn", "COpenGL_VORN", {}},
      {"Vornc", "CDades_VORN_C", "COpenGL_VORN_C", {"formes", "nGrups"}},
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

TEST(CInterface, RendererMembersAreReachableAndArgumentsChecked) {
  for (const Plugin& p : plugins()) {
    SCOPED_TRACE(p.name);
    Loaded& l = loaded(p.name);
    plot_object* renderer = nullptr;
    plot_error error{};
    ASSERT_EQ(l.create(p.renderer_class.c_str(), &renderer, &error), 0);
    plot_variant fov{};
    EXPECT_EQ(l.get(renderer, "m_fieldOfView", &fov, &error), p.name == "Vorn" ? 5 : 0);
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

}  // namespace
