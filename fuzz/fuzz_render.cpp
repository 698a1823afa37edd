// The renderer on the recording canvas: any text at all draws, ends, writes valid UTF-8 and
// leaves the canvas font as it found it; so does the worked solution built from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/cp932.h"
#include "fuzz/fuzz_support.h"
#include "process/process_engine.h"
#include "render/expr_renderer.h"
#include "render/process_draw.h"
#include "render/recording_canvas.h"

namespace ravlo::fuzz {
namespace {

constexpr int kX = 100, kY = 100, kW = 10, kH = 20;

void expectSane(const RecordingCanvas& c, std::string_view input, std::string_view what) {
  for (const auto& t : c.texts())
    require(isValidUtf8(t.text), "bad UTF-8 drawn", input, what);
  require(c.fontSize() == 10 && !c.bold(), "the canvas font was not restored", input, what);
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo;
  using namespace ravlo::fuzz;
  const std::string_view text = asText(data, size);
  ExprRenderer r;
  r.EQUAL_KAIGYO = (size & 1) != 0;
  {
    RecordingCanvas c;
    r.SikiDraw(c, text, kX, kY, kW, kH);
    expectSane(c, text, "SikiDraw");
  }
  {
    RecordingCanvas c;
    r.LineDraw(c, text, kX, kY, kW, kH, static_cast<int>(size % 7) - 3, 2);
    expectSane(c, text, "LineDraw");
  }
  ProcessContext ctx;
  ctx.BetsukaiMode = static_cast<int>((size >> 1) & 1);
  NullSink quiet;
  ProcessEngine engine(ctx, quiet);
  ProcessDrawer drawer(r, ctx);
  drawer.ADVICEDSP = 1;
  drawer.PROCTEIDO = 1;
  r.EQUAL_KAIGYO = true;
  {
    // The text itself as a process text, then the process it makes, if any.
    RecordingCanvas c;
    drawer.ProcTextDraw(c, text, kX, kY, kW, kH);
    expectSane(c, text, "ProcTextDraw of the text");
  }
  if (engine.CalcProcMake(text, true) == 1) {
    RecordingCanvas c;
    drawer.ProcTypeDraw(c, ctx.ProcType, kX, kY);
    drawer.ProcTextDraw(c, ctx.ProcText, kX, kY + 30, kW, kH);
    expectSane(c, text, ctx.ProcText);
  }
  return 0;
}
