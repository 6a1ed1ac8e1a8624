// A long session off screen, with the process's resident size printed every 1,000 steps:
//   memory_soak PLUGIN_DIR rotate PLUGIN [PRESSES]  the first sample shown, "Rot Y +" pressed
//   memory_soak PLUGIN_DIR cycles PLUGIN [CYCLES]   the first sample shown and closed again
// With --capture every frame is read back, as a window presents every frame it draws.
// Not a timing: a session must not grow with its length, whatever the driver's threads do.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "samples/sample.h"

namespace {

long resident_kib() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    long value = 0;
    if (key == "VmRSS:" && status >> value) return value;
    status.ignore(256, '\n');
  }
  return -1;
}

void print_resident(const char* what, long step, long first) {
  const long now = resident_kib();
  std::printf("%s %6ld  RSS %8.1f MB  growth since step 100 %+8.1f MB\n", what, step,
              static_cast<double>(now) / 1024.0,
              first < 0 ? 0.0 : static_cast<double>(now - first) / 1024.0);
  std::fflush(stdout);
}

int usage() {
  std::fprintf(stderr, "usage: memory_soak PLUGIN_DIR rotate|cycles PLUGIN [STEPS] [--capture]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool capture = false;
  if (argc > 1 && std::string(argv[argc - 1]) == "--capture") {
    capture = true;
    --argc;
  }
  if (argc < 4) return usage();
  const std::string mode = argv[2];
  const std::string plugin = argv[3];
  const long steps = argc > 4 ? std::atol(argv[4]) : 10000;
  if ((mode != "rotate" && mode != "cycles") || steps <= 0) return usage();

  const Sample* sample = nullptr;
  const auto samples = all_samples();
  for (const Sample& s : samples)
    if (s.plugin == plugin && sample == nullptr) sample = &s;
  if (sample == nullptr) {
    std::fprintf(stderr, "no sample of %s\n", plugin.c_str());
    return 2;
  }
  PluginApi api;
  std::string error;
  if (!api.load(argv[1], plugin, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  api.set_display_mode(2);
  if (capture) {
    auto set_frame_capture = reinterpret_cast<decltype(&plot_set_frame_capture)>(
        dlsym(api.handle, "plot_set_frame_capture"));
    if (set_frame_capture != nullptr) set_frame_capture(1);
  }
  api.set_message_sink([](const char* text, void*) { std::printf("message: %s\n", text); },
                       nullptr);

  const char* what = mode == "rotate" ? "press" : "cycle";
  long first = -1;
  print_resident(what, 0, first);
  plot_error status{};
  if (mode == "rotate") sample->show(api);
  for (long step = 1; step <= steps; ++step) {
    if (mode == "rotate") {
      api.click("Rot_YY");
    } else {
      sample->show(api);
      api.viewer_close(&status);
    }
    if (step == 100) first = resident_kib();
    if (step % 1000 == 0 || step == 100) print_resident(what, step, first);
  }
  api.viewer_close(&status);
  return 0;
}
