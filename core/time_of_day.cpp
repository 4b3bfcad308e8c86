// Local time of day from the C library, which both Linux and Windows provide.
#include "core/time_of_day.h"

#include <chrono>
#include <ctime>

namespace wyc {

float SecondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t whole = system_clock::to_time_t(now);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &whole);
#else
  localtime_r(&whole, &local);
#endif
  const auto fraction = duration<double>(now - system_clock::from_time_t(whole)).count();
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
  return static_cast<float>(seconds);
}

}  // namespace wyc
