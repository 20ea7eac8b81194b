#pragma once
// What the workshop window shows when a command of the Game asks for it before the command
// has ended: the refresh's end (everything drawn afresh, the kind selector on its first entry)
// and the date label alone. The ending's final record must find the new date on screen.

namespace velko {

class WorkshopView {
 public:
  virtual ~WorkshopView() = default;
  virtual void showRefresh() = 0;
  virtual void showDate() = 0;
};

}  // namespace velko
