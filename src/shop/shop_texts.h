#pragma once
// The shop's guide texts and hints, word for word as the player reads them.

#include <string>

namespace velko {

// The welcome text of the guide when the shop opens.
std::string openingGuide();

// The guide text of a selector index (motors for any index the selector does not list).
std::string kindGuide(int index);

// The description of one of the four frames sold, or "" for any other name.
std::string frameDescription(const std::string& name);

// The hint of a stock heading, or "" for a heading without one.
std::string headingHint(const std::string& caption);

}  // namespace velko
