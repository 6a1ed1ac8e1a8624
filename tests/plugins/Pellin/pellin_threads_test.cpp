// Pellin.so driven from two host threads at once, and from its own message sink.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "plot_logratio_records.h"
#include "plot_plugin.h"
#include "plot_variants.h"
#include "support/host_call.h"
#include "support/loaded_plugin.h"

namespace {

using plot::testing::LoadedPlugin;
using Picture = std::vector<uint8_t>;

// One host cycle: create, put, mostrar, picture, close, release. The picture is empty when
// another thread closed the viewer in between.
Picture show_once(const LoadedPlugin& plugin, Vector_Punts_arl& record) {
  plot_error error{};
  plot_object* data = nullptr;
  EXPECT_EQ(plugin.create("CDades_ALR", &data, &error), 0) << error.text;
  const plot_variant formes = plot_variant_bool(0);
  EXPECT_EQ(plugin.put(data, "formes", &formes, &error), 0) << error.text;
  const plot_string names[2] = {{"alr1", 4}, {"alr2", 4}};
  const plot_variant arguments[2] = {
      plot_variant_record(PLOT_VECTOR_PUNTS_ARL_NAME, &record, sizeof(record)),
      plot_variant_strings(1, 2, names)};
  EXPECT_EQ(plugin.call(data, "mostrar", arguments, 2, nullptr, &error), 0) << error.text;
  Picture picture(static_cast<std::size_t>(plugin.viewer_picture(nullptr, 0, nullptr, nullptr)));
  int32_t width = 0;
  int32_t height = 0;
  const int32_t needed =
      plugin.viewer_picture(picture.data(), static_cast<int32_t>(picture.size()), &width, &height);
  // The other thread may have shown or closed a viewer between the two reads.
  if (static_cast<std::size_t>(needed) != picture.size()) picture.clear();
  plugin.viewer_close(&error);
  plugin.release(data);
  return picture;
}

std::unique_ptr<Vector_Punts_arl> one_point(double at, float red, float blue) {
  auto record = std::make_unique<Vector_Punts_arl>();
  record->Punts[0] = {at, at, {{red, 0, blue}}, 1};
  record->long_ = 1;
  return record;
}

// Calls are taken one at a time: whatever the other thread did between two calls, every
// picture read is one of the two drawn alone, whole.
TEST(PellinThreads, TwoThreadsShowTheirPlotsAndEveryPictureIsOneDrawnAlone) {
  LoadedPlugin plugin("Pellin", 2);
  ASSERT_NE(plugin.handle, nullptr);
  plugin.fail_on_messages();
  const auto red = one_point(0.5, 1, 0);
  const auto blue = one_point(-0.5, 0, 1);
  const Picture red_alone = show_once(plugin, *red);
  const Picture blue_alone = show_once(plugin, *blue);
  ASSERT_FALSE(red_alone.empty());
  ASSERT_NE(red_alone, blue_alone);

  constexpr int kCycles = 100;
  auto drive = [&](Vector_Punts_arl* record, int* torn) {
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      const Picture picture = show_once(plugin, *record);
      if (!picture.empty() && picture != red_alone && picture != blue_alone) ++*torn;
    }
  };
  int torn_red = 0;
  int torn_blue = 0;
  std::thread first(drive, red.get(), &torn_red);
  std::thread second(drive, blue.get(), &torn_blue);
  first.join();
  second.join();
  EXPECT_EQ(torn_red + torn_blue, 0);
  EXPECT_EQ(show_once(plugin, *red), red_alone);
}

// A sink that asks the plug-in something while it reports a failure is answered on its thread.
TEST(PellinThreads, MessageSinkCallsBackIntoThePlugin) {
  LoadedPlugin plugin("Pellin", 2);
  ASSERT_NE(plugin.handle, nullptr);
  struct Seen {
    const LoadedPlugin* plugin;
    std::vector<std::string> messages;
    int32_t shown = -1;
  } seen{&plugin, {}, -1};
  plugin.set_message_sink(
      [](const char* text, void* user) {
        auto* s = static_cast<Seen*>(user);
        s->messages.emplace_back(text);
        s->shown = s->plugin->viewer_shown();
      },
      &seen);
  plugin.testing_fail("pixel_format", 1);
  const auto record = one_point(0.5, 1, 0);
  const Picture picture = show_once(plugin, *record);
  plugin.testing_fail("pixel_format", 0);
  EXPECT_EQ(seen.messages, std::vector<std::string>{"ChoosePixelFormat failed"});
  EXPECT_EQ(seen.shown, 0);  // asked while mostrar was still running, before the show
}

}  // namespace
