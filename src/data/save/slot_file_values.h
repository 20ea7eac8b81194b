#pragma once
// Small helpers shared by the writers and readers of the slot and registry files.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/numbers.h"
#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/files/value_stream.h"

namespace velko {

// "1,0,12" from the values in order.
std::string joinValues(std::initializer_list<int> values);

template <size_t N>
std::string joinIds(const std::array<int16_t, N>& ids) {
  std::string line;
  for (size_t i = 0; i < N; ++i) {
    if (i > 0) line += ',';
    line += std::to_string(ids[i]);
  }
  return line;
}

template <size_t N>
void readIds(ValueStream& in, std::array<int16_t, N>& ids) {
  for (int16_t& id : ids)
    id = in.nextInt();
}

// The line at index, or a Malformed error naming it when the file ends before it.
const std::string& lineAt(const TextFile& file, size_t index);

// A name line; a record header where the name belongs means the record was cut short.
const std::string& nameLineAt(const TextFile& file, size_t index);

}  // namespace velko
