#pragma once

// What the plot benchmarks share: a renderer started on an off-screen surface of its own, and
// the timed loops that compile its scene, replay one frame or press a rotation button.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/message_box.h"

namespace plot::bench {

// The viewers' client size.
struct ClientSize {
  int32_t width = 918;
  int32_t height = 734;
};

// A renderer that already has its data (or its files), started as a form starts it:
// Initialize on the surface, then OnSize. It is stopped before its surface goes.
template <class R>
class OffscreenPlot {
 public:
  explicit OffscreenPlot(std::unique_ptr<R> renderer, ClientSize size = {})
      : surface_(size.width, size.height), renderer_(std::move(renderer)) {
    int32_t hwnd = 0;
    ok_ = renderer_->Initialize(hwnd, hdc_);
    renderer_->OnSize(size.width, size.height);
  }
  ~OffscreenPlot() {
    renderer_->Class_Terminate();
    unregister_device_context(hdc_);
  }
  OffscreenPlot(const OffscreenPlot&) = delete;
  OffscreenPlot& operator=(const OffscreenPlot&) = delete;

  R& renderer() { return *renderer_; }
  // False when Initialize failed: no context, or a 3D plot's files not read.
  bool ok() const { return ok_; }

 private:
  EglOffscreenSurface surface_;
  int32_t hdc_ = register_device_context(&surface_);
  std::unique_ptr<R> renderer_;
  bool ok_ = false;
};

// The plug-ins' message boxes go to `sink` while this lives: a benchmark has no one to answer.
class MessageRoute {
 public:
  explicit MessageRoute(MessageSink sink) { set_message_sink(std::move(sink)); }
  ~MessageRoute() { set_message_sink(nullptr); }
  MessageRoute(const MessageRoute&) = delete;
  MessageRoute& operator=(const MessageRoute&) = delete;
};

inline void print_message(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

template <class R>
bool started(benchmark::State& state, const OffscreenPlot<R>& plot) {
  if (!plot.ok()) state.SkipWithError("Initialize failed");
  return plot.ok();
}

// DrawWorld alone: the display list compiled, whatever the driver still has queued.
template <class R>
void compile_rounds(benchmark::State& state, OffscreenPlot<R>& plot) {
  if (!started(state, plot)) return;
  for (auto _ : state) {
    plot.renderer().DrawWorld();
    benchmark::DoNotOptimize(plot.renderer().world_list());
  }
}

// DrawWorld with the driver's work finished inside the round.
template <class R>
void compile_finished_rounds(benchmark::State& state, OffscreenPlot<R>& plot) {
  if (!started(state, plot)) return;
  for (auto _ : state) {
    plot.renderer().DrawWorld();
    glFinish();
  }
}

// One frame replayed from the compiled scene; display ends with glFinish and the swap.
template <class R>
void replay_rounds(benchmark::State& state, OffscreenPlot<R>& plot) {
  if (!started(state, plot)) return;
  for (auto _ : state) plot.renderer().display();
}

// What a form does for a rotation button: turn, recompile, one frame.
template <class R>
void rotation_rounds(benchmark::State& state, OffscreenPlot<R>& plot, float degrees) {
  if (!started(state, plot)) return;
  for (auto _ : state) {
    plot.renderer().yAngle += degrees;
    plot.renderer().DrawWorld();
    plot.renderer().display();
  }
}

// The two benchmarks of a 2D plot, on the plot `make` builds from the benchmark's argument:
// its scene compiled again, and its frame replayed.
template <auto make, class Arg>
void compile_scene(benchmark::State& state, Arg arg) {
  OffscreenPlot plot(make(arg));
  compile_rounds(state, plot);
}

template <auto make, class Arg>
void replay_frame(benchmark::State& state, Arg arg) {
  OffscreenPlot plot(make(arg));
  replay_rounds(state, plot);
}

}  // namespace plot::bench
