#include "platform/processor_count.hpp"

#include <cerrno>
#include <sched.h>

namespace suite {

std::optional<std::size_t> available_processor_count() {
  cpu_set_t fixed_set;
  if (sched_getaffinity(0, sizeof fixed_set, &fixed_set) == 0) {
    const int count = CPU_COUNT(&fixed_set);
    if (count > 0) return static_cast<std::size_t>(count);
    return std::nullopt;
  }
  // Machines with more processors than cpu_set_t holds need a larger mask.
  for (int processors = 2 * CPU_SETSIZE; errno == EINVAL && processors <= 1 << 20;
       processors *= 2) {
    cpu_set_t* set = CPU_ALLOC(processors);
    if (set == nullptr) return std::nullopt;
    const std::size_t size = CPU_ALLOC_SIZE(processors);
    std::optional<std::size_t> result;
    if (sched_getaffinity(0, size, set) == 0) {
      const int count = CPU_COUNT_S(size, set);
      if (count > 0) result = static_cast<std::size_t>(count);
      CPU_FREE(set);
      return result;
    }
    CPU_FREE(set);
  }
  return std::nullopt;
}

}  // namespace suite
