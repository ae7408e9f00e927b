#pragma once
// How many processors the process may run on.

#include <cstddef>
#include <optional>

namespace suite {

// The number of processors in the process's CPU affinity mask, or nothing
// when the system does not tell.
std::optional<std::size_t> available_processor_count();

}  // namespace suite
