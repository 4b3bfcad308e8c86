// The machine's clock, read the same way on every platform.
#pragma once

#include "core/time_of_day.h"
#include "ui/ports.h"

namespace wyc::ui {

class SystemClock final : public Clock {
 public:
  [[nodiscard]] float secondsSinceMidnight() const override { return SecondsSinceMidnight(); }
};

}  // namespace wyc::ui
