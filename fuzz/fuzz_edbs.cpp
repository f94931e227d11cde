// The libFuzzer target: every input is an EDBS file that a user opens and examines.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exercise_core.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::ExerciseCore(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
