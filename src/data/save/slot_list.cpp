#include "data/save/slot_list.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "data/save/slot_number.h"

namespace velko {

namespace {

constexpr std::string_view kPlayerStem = "Playersv";
constexpr std::string_view kSlotEnding = ".ini";

// The slot a file name of save/ stands for, when it is a player file the game would write.
std::optional<int16_t> slotOfName(const std::string& name) {
  if (name.size() <= kPlayerStem.size() + kSlotEnding.size()) return std::nullopt;
  if (name.compare(0, kPlayerStem.size(), kPlayerStem) != 0) return std::nullopt;
  if (!name.ends_with(kSlotEnding)) return std::nullopt;
  const std::string digits =
      name.substr(kPlayerStem.size(), name.size() - kPlayerStem.size() - kSlotEnding.size());
  const SlotNumberCheck check = checkSlotDigits(digits);
  if (!check.ok) return std::nullopt;
  // Another spelling of the number is a file the game never reads as this slot.
  if (std::to_string(check.number) != digits) return std::nullopt;
  return check.number;
}

}  // namespace

std::vector<UsedSlot> usedSlots(const GameFolder& folder, Prompter& prompter) {
  std::vector<int16_t> numbers;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path("\\save"), error)) {
    if (const auto number = slotOfName(entry.path().filename().string()))
      numbers.push_back(*number);
  }
  std::sort(numbers.begin(), numbers.end());
  std::vector<UsedSlot> slots;
  for (int16_t number : numbers) {
    if (auto preview = Rinload_rtn(folder, number, prompter))
      slots.push_back({number, std::move(*preview)});
  }
  return slots;
}

}  // namespace velko
