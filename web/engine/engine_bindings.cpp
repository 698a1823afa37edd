// The JavaScript face of the engine (embind): every call forwards to the models and hands
// back plain values; nothing is decided here.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "app/model/input_buttons.h"
#include "app/model/key_table.h"
#include "app/model/siki_reading.h"
#include "render/date_labels.h"
#include "web/engine/calculator.h"
#include "web/engine/engine_functions.h"
#include "web/engine/fixed_pitch_canvas.h"
#include "web/engine/notebook_session.h"

namespace ravlo {
namespace {

using emscripten::val;

std::string bytesFrom(const val& array) {
  const auto n = array["length"].as<unsigned>();
  std::string bytes(n, '\0');
  val view(emscripten::typed_memory_view(n, reinterpret_cast<unsigned char*>(bytes.data())));
  view.call<void>("set", array);
  return bytes;
}

val bytesTo(const std::string& bytes) {
  // A copy: the view into the module's memory would change under the page.
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

template <typename T, typename Fn>
val arrayOf(const std::vector<T>& items, Fn toVal) {
  val out = val::array();
  for (const T& item : items) out.call<void>("push", toVal(item));
  return out;
}

const char* kindName(WebMessage::Kind kind) {
  switch (kind) {
    case WebMessage::Kind::Box: return "box";
    case WebMessage::Kind::Status: return "status";
    case WebMessage::Kind::Small: return "small";
    case WebMessage::Kind::Beep: return "beep";
    case WebMessage::Kind::Speak: return "speak";
    case WebMessage::Kind::Window: return "window";
  }
  return "";
}

const char* buttonsName(int buttons) {
  switch (static_cast<BoxButtons>(buttons)) {
    case BoxButtons::Ok: return "ok";
    case BoxButtons::OkCancel: return "okCancel";
    case BoxButtons::YesNo: return "yesNo";
    case BoxButtons::YesNoCancel: return "yesNoCancel";
  }
  return "";
}

val messagesVal(const std::vector<WebMessage>& messages) {
  return arrayOf(messages, [](const WebMessage& m) {
    val o = val::object();
    o.set("kind", kindName(m.kind));
    o.set("text", m.text);
    switch (m.kind) {
      case WebMessage::Kind::Box:
        o.set("caption", m.caption);
        o.set("buttons", buttonsName(m.number));
        break;
      case WebMessage::Kind::Small:
        o.set("caption", m.caption);
        o.set("displayMs", m.number);
        break;
      case WebMessage::Kind::Speak:
        o.set("rate", m.number);
        o.set("volume", m.volume);
        break;
      default: break;
    }
    return o;
  });
}

val drawOpVal(const DrawOp& d) {
  val o = val::object();
  switch (d.kind) {
    case DrawOp::Kind::Font:
      o.set("op", "font");
      o.set("family", d.text);
      o.set("size", d.width);
      o.set("bold", d.bold);
      o.set("italic", d.italic);
      o.set("underline", d.underline);
      break;
    case DrawOp::Kind::Text:
      o.set("op", "text");
      o.set("x", d.x);
      o.set("y", d.y);
      o.set("text", d.text);
      o.set("color", d.color);
      break;
    case DrawOp::Kind::Line:
      o.set("op", "line");
      o.set("x1", d.x);
      o.set("y1", d.y);
      o.set("x2", d.x2);
      o.set("y2", d.y2);
      o.set("color", d.color);
      o.set("width", d.width);
      break;
    case DrawOp::Kind::Rect:
      o.set("op", "rect");
      o.set("left", d.x);
      o.set("top", d.y);
      o.set("right", d.x2);
      o.set("bottom", d.y2);
      o.set("color", d.color);
      break;
  }
  return o;
}

KeyMods mods(bool shift, bool ctrl, bool alt) { return KeyMods{shift, ctrl, alt}; }

// ---- Calculator ----

Calculator* newCalculatorFrom(const val& settingsFile) {
  return new Calculator(bytesFrom(settingsFile));
}
void calcKey(Calculator& c, int key, bool shift, bool ctrl, bool alt) {
  c.key(key, mods(shift, ctrl, alt));
}
void calcKeyEvent(Calculator& c, const std::string& domKey, bool shift, bool ctrl, bool alt) {
  c.keyEvent(domKey, mods(shift, ctrl, alt));
}
// With KeyboardEvent.location == DOM_KEY_LOCATION_NUMPAD: the numeric pad's own keys.
void calcKeyEventAt(Calculator& c, const std::string& domKey, bool shift, bool ctrl, bool alt,
                    bool numpad) {
  c.keyEvent(domKey, mods(shift, ctrl, alt), numpad);
}
void calcTypeText(Calculator& c, const std::string& text) { c.typeText(text); }
bool calcButton(Calculator& c, const std::string& name) { return c.button(name); }
bool calcCommand(Calculator& c, const std::string& name) { return c.command(name); }
void calcWheel(Calculator& c, int notches) { c.wheel(notches); }
std::string calcLineOf(Calculator& c) { return c.line(); }
std::string calcReading(Calculator& c) { return c.reading(); }
val calcMessages(Calculator& c) { return messagesVal(c.takeMessages()); }
val calcPaint(Calculator& c, int width, int height, bool cursorShown) {
  return arrayOf(c.paint(width, height, cursorShown), drawOpVal);
}
val calcPaintWithCursor(Calculator& c, int width, int height) {
  return calcPaint(c, width, height, true);
}
val calcScreen(Calculator& c) {
  ScreenState& s = c.screen();
  val o = val::object();
  o.set("inputString", s.inputString);
  o.set("taiEnabled", s.taiEnabled);
  o.set("kaEnabled", s.kaEnabled);
  o.set("syouEnabled", s.syouEnabled);
  o.set("copiedLine", s.copiedLine);
  s.copiedLine.clear();
  return o;
}
val calcSetting(Calculator& c, const std::string& section, const std::string& key) {
  const std::optional<std::string> value = c.setting(section, key);
  return value ? val(*value) : val::null();
}
bool calcSetSetting(Calculator& c, const std::string& section, const std::string& key,
                    const std::string& value) {
  return c.setSetting(section, key, value);
}
val calcSettingsBytes(Calculator& c) { return bytesTo(c.settingsBytes()); }

// ---- Notebook ----

bool noteOpen(NotebookSession& n, const val& bytes) { return n.open(bytesFrom(bytes), {}); }
val noteProblems(NotebookSession& n) {
  return arrayOf(n.problems(), [](const std::string& p) { return val(p); });
}
std::string noteTitle(NotebookSession& n) { return n.title(); }
void noteComputeAll(NotebookSession& n) { n.computeAll(); }
val noteBytes(NotebookSession& n) { return bytesTo(n.save()); }
val noteMessages(NotebookSession& n) { return messagesVal(n.takeMessages()); }
void noteAnswerForms(NotebookSession& n, int anssyu, int syoudsp) {
  n.settings().ANSSYU = anssyu;
  n.settings().SYOUDSP = syoudsp;
}

// ---- stateless ----

val cli(const val& args, const std::string& input) {
  const CliRun run = runCliCommand(emscripten::vecFromJSArray<std::string>(args), input);
  val o = val::object();
  o.set("status", run.status);
  o.set("out", run.out);
  o.set("err", run.err);
  return o;
}

val calc(const std::string& expr, const val& options) {
  const auto option = [&](const char* name) {
    return options.isUndefined() || options[name].isUndefined() ? 0 : options[name].as<int>();
  };
  const CalcLine line = calcLine(expr, option("anssyu"), option("syoudsp"));
  val o = val::object();
  o.set("ok", line.ok);
  o.set("line", line.line);
  o.set("messages", line.messages);
  return o;
}

val calcDefault(const std::string& expr) { return calc(expr, val::undefined()); }

// The side panel's date as the desktop writes it (full-width digits below 10, the weekday).
val dateLabelsOf(int month, int day, int weekday) {
  const DateLabels labels = dateLabels(month, day, weekday);
  val o = val::object();
  o.set("month", labels.month);
  o.set("day", labels.day);
  o.set("weekday", labels.weekday);
  o.set("weekdayColor", cssColor(labels.weekdayColor));
  return o;
}

val check(const std::string& expr) {
  const CheckVerdict verdict = checkExpression(expr);
  val o = val::object();
  o.set("position", verdict.position);
  o.set("message", verdict.message);
  return o;
}

std::string reading(const std::string& line) { return SikiSpeakText(line, true); }

val inputButtons() {
  val out = val::array();
  for (const InputButtonSpec& b : inputButtonSpecs()) {
    val o = val::object();
    o.set("name", std::string(b.name));
    o.set("caption", std::string(b.caption));
    o.set("label", std::string(inputButtonAccessibleName(b)));
    o.set("left", b.left);
    o.set("top", b.top);
    o.set("width", b.width);
    o.set("height", b.height);
    o.set("color", cssColor(b.color));
    o.set("font", webFontFamily(b.proportional ? "ＭＳ Ｐゴシック" : "ＭＳ ゴシック"));
    o.set("tokens", std::string(b.tokens));
    if (b.tokens.empty()) o.set("command", std::string(commandName(b.command)));
    out.call<void>("push", o);
  }
  return out;
}

val commands() {
  val out = val::array();
  for (int i = 0; i <= static_cast<int>(CalcCommand::Solve); ++i) {
    const auto c = static_cast<CalcCommand>(i);
    val o = val::object();
    o.set("name", std::string(commandName(c)));
    o.set("byModel", isStateCommand(c));
    out.call<void>("push", o);
  }
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ravlo_engine) {
  using emscripten::allow_raw_pointers;
  emscripten::class_<Calculator>("Calculator")
      .constructor<>()
      .constructor(&newCalculatorFrom, allow_raw_pointers())
      .function("key", &calcKey)
      .function("keyEvent", &calcKeyEvent)
      .function("keyEvent", &calcKeyEventAt)
      .function("typeText", &calcTypeText)
      .function("button", &calcButton)
      .function("command", &calcCommand)
      .function("wheel", &calcWheel)
      .function("line", &calcLineOf)
      .function("reading", &calcReading)
      .function("messages", &calcMessages)
      .function("paint", &calcPaintWithCursor)
      .function("paint", &calcPaint)
      .function("screen", &calcScreen)
      .function("setting", &calcSetting)
      .function("setSetting", &calcSetSetting)
      .function("settingsBytes", &calcSettingsBytes);
  emscripten::class_<NotebookSession>("Notebook")
      .constructor<>()
      .function("open", &noteOpen)
      .function("problems", &noteProblems)
      .function("title", &noteTitle)
      .function("computeAll", &noteComputeAll)
      .function("bytes", &noteBytes)
      .function("messages", &noteMessages)
      .function("setAnswerForms", &noteAnswerForms);
  emscripten::function("cli", &cli);
  emscripten::function("calc", &calc);
  emscripten::function("calc", &calcDefault);
  emscripten::function("check", &check);
  emscripten::function("reading", &reading);
  emscripten::function("dateLabels", &dateLabelsOf);
  emscripten::function("inputButtons", &inputButtons);
  emscripten::function("commands", &commands);
}

}  // namespace ravlo
