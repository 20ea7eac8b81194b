#pragma once
// Fixed-size part containers that never hold a null entry: an empty slot holds a blank
// record, and a slot is free when its record's name is empty.

#include <array>
#include <cstdint>
#include <memory>

namespace velko {

template <typename T, size_t N>
void fillBlank(std::array<std::shared_ptr<T>, N>& slots) {
  for (auto& slot : slots)
    slot = std::make_shared<T>();
}

// Stores into the first free slot among the first `visited` slots.
template <typename T, size_t N>
bool storeInFirstFree(std::array<std::shared_ptr<T>, N>& slots, size_t visited,
                      std::shared_ptr<T> part) {
  if (!part) part = std::make_shared<T>();
  for (size_t i = 0; i < visited && i < N; ++i) {
    if (!slots[i]->name.empty()) continue;
    slots[i] = std::move(part);
    return true;
  }
  return false;
}

// Drops the first record with this ID and flag; later records move down a slot and the last
// slot receives a blank record.
template <typename T, size_t N>
void removeFirstMatch(std::array<std::shared_ptr<T>, N>& slots, int16_t id, bool isNew) {
  for (size_t i = 0; i < N; ++i) {
    if (slots[i]->ID != id || slots[i]->isNew != isNew) continue;
    for (size_t k = i; k + 1 < N; ++k)
      slots[k] = std::move(slots[k + 1]);
    slots[N - 1] = std::make_shared<T>();
    return;
  }
}

template <typename T, size_t N>
void markAllUsed(std::array<std::shared_ptr<T>, N>& slots) {
  for (auto& slot : slots)
    slot->isNew = false;
}

}  // namespace velko
