#pragma once
// The DNA sequence that "Sequence Example" puts into the editor.
#include <string_view>

namespace bxl {

// 2960 upper-case bases (815 A, 727 C, 698 G, 720 T) in one line: no line
// breaks, blanks or numbers, so the editor receives it exactly as it is.
std::string_view exampleSequence();

}  // namespace bxl
