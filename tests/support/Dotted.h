#pragma once
#include <string>
#include <string_view>

#include "sequence/Ansi.h"

namespace bxl {

// Expected texts write the middle dot of codon cells as '.', which no cell holds.
inline std::string dotted(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c == '.') c = kMiddleDot;
  return result;
}

}  // namespace bxl
