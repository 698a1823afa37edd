#pragma once
// What the main window has to do after a dialog control changed a setting.
#include <cstdint>

namespace ravlo {

class ToolEffects {
 public:
  enum Bit : std::uint8_t {
    Repaint = 1 << 0,        // the calculation screen draws itself again
    SidePanel = 1 << 1,      // the date and goal panel draws itself again
    CursorTimer = 1 << 2,    // the cursor timer takes CURSOLTEMPO as its interval
    InterruptFlag = 1 << 3,  // the popup item "中断を可能にする" follows SoinsuuAbort
  };

  constexpr ToolEffects() = default;
  constexpr ToolEffects(Bit b) : bits_(b) {}  // NOLINT: a single effect is an effect set

  constexpr bool has(Bit b) const { return (bits_ & b) != 0; }
  constexpr bool none() const { return bits_ == 0; }
  constexpr ToolEffects operator|(ToolEffects o) const { return ToolEffects(bits_ | o.bits_); }
  constexpr ToolEffects& operator|=(ToolEffects o) {
    bits_ |= o.bits_;
    return *this;
  }
  friend constexpr bool operator==(ToolEffects, ToolEffects) = default;

 private:
  constexpr explicit ToolEffects(unsigned bits) : bits_(static_cast<std::uint8_t>(bits)) {}
  std::uint8_t bits_ = 0;
};

constexpr ToolEffects operator|(ToolEffects::Bit a, ToolEffects::Bit b) {
  return ToolEffects(a) | ToolEffects(b);
}

}  // namespace ravlo
