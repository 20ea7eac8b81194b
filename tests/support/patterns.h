#pragma once
// A pattern as the registry gives it: named actions without costs, and a stored AP total.

#include <initializer_list>
#include <memory>
#include <string>

#include "model/action.h"
#include "model/action_factories.h"

namespace velko::testing {

inline LogicRef pattern(const std::string& name, int16_t ap, std::initializer_list<int> ids) {
  auto logic = std::make_shared<Logic>();
  logic->name = name;
  logic->AP = ap;
  int slot = 0;
  for (int id : ids)
    logic->setAction(battleAction(id), slot++);
  return logic;
}

}  // namespace velko::testing
