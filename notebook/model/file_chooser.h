#pragma once
// The platform's file dialogs, as the notebook's open and save commands need them.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravlo {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // An existing file to read; the read-only box hidden. The filter is in the form
  // "label|patterns|label|patterns" (see dialogFilterEntries). nullopt = cancelled.
  virtual std::optional<std::string> chooseOpenFile(std::string_view title,
                                                    std::string_view filter) = 0;
  // A file name to write, starting at startPath (may be empty); no filter, title or default
  // extension. The dialog must not ask about overwriting: the caller asks itself, about the
  // name it will really write after fixing the extension. nullopt = cancelled.
  virtual std::optional<std::string> chooseSaveFile(std::string_view startPath) = 0;
};

// The (label, patterns) pairs of a "label|patterns|label|patterns" filter; patterns are
// separated by ";" in the second part of a pair. A label without patterns is dropped.
std::vector<std::pair<std::string, std::string>> dialogFilterEntries(std::string_view filter);

}  // namespace ravlo
