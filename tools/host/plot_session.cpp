#include "plot_session.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "picture_fit.h"
#include "plots/plot_builders.h"

namespace {

void print_message(const char* text, void*) {
  std::fprintf(stderr, "message: %s\n", text);
}

void check(int32_t result, const plot_error& error) {
  if (result != 0)
    throw std::runtime_error("run-time error " + std::to_string(error.number) + ": " + error.text);
}

// Presses of the rotation buttons: `count` of `plus`, or of `minus` when negative.
void rotate(const PluginApi& api, int count, const char* plus, const char* minus) {
  for (int i = 0; i < std::abs(count); ++i) api.click(count > 0 ? plus : minus);
}

}  // namespace

std::optional<std::string> picture_file(const PlotRequest& request) {
  return request.png ? request.png : request.out;
}

PluginApi open_plot(const CompositionTable& table, const PlotRequest& request,
                    const std::string& plugin_folder) {
  PluginApi api;
  std::string error_text;
  const std::string name(plot_info(request.plot).plugin);
  if (!api.load(plugin_folder, name, error_text))
    throw std::runtime_error("cannot load the plug-in " + name + ": " + error_text);
  api.set_display_mode(picture_file(request) ? 2 : 1);
  api.set_message_sink(&print_message, nullptr);
  plot_error error{};
  // The scale is the plug-in's until changed: a process that plots again sets it every time.
  check(api.set_picture_scale(request.scale, &error), error);
  show_plot(api, table, request);

  if (request.size) check(api.viewer_resize((*request.size)[0], (*request.size)[1], &error), error);
  rotate(api, request.rotate[0], "Rot_XX", "Rot_X");
  rotate(api, request.rotate[1], "Rot_YY", "Rot_Y");
  rotate(api, request.rotate[2], "Rot_ZZ", "Rot_Z");
  if (!fit_picture(api, plot_info(request.plot).three_d, request.scale))
    std::fprintf(stderr,
                 "plot_host: text reaches the top or bottom edge of the picture; give a taller "
                 "--size\n");
  return api;
}

void write_picture_file(const PluginApi& api, const PlotRequest& request) {
  plot_error error{};
  const std::string path = *picture_file(request);
  const int32_t result = request.png ? api.viewer_write_png(path.c_str(), &error)
                                     : api.viewer_write(path.c_str(), &error);
  if (result != 0)
    throw OutputError(path + ": the picture cannot be written (" + error.text +
                      "); check that the folder exists and can be written to");
  api.viewer_close(&error);
}
