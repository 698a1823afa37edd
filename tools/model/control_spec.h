#pragma once
// One control of a settings dialog as its form has it: name, caption, items, range.
#include <span>
#include <string_view>

namespace ravlo {

enum class ControlKind { CheckBox, TrackBar, RadioGroup, UpDown, ComboBox };

struct ControlSpec {
  std::string_view name{};      // component name, also the widget's object name
  ControlKind kind = ControlKind::CheckBox;
  std::string_view caption{};   // check box or group caption; the label before a bar or up-down
  std::string_view after{};     // the label after an up-down or under a track bar
  std::span<const std::string_view> items = {};  // radio items
  int min = 0;
  int max = 1;
  int step = 1;
  std::string_view hint{};
  bool enabled = true;        // false: created disabled and never enabled
};

}  // namespace ravlo
