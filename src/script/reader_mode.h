#pragma once

#include <cstdint>

namespace tavorin {

// What the reader is doing; the evaluator treats identifiers differently while preprocessing.
enum class ReaderMode : std::uint8_t { comments = 1, preprocessing = 2, parsing = 3 };

}  // namespace tavorin
