#pragma once
// Finding line ends (CR LF, LF or a lone CR) in linear time at memchr speed:
// each kind of end is searched for separately, and a search is repeated only
// once the reading has passed the end it found, so no byte is searched twice
// whichever kind of end a text uses.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace bxl {

class LineEnds {
 public:
  explicit LineEnds(std::string_view text) : text_(text), lf_(find('\n', 0)), cr_(find('\r', 0)) {}

  // The first CR or LF at or after `from`; the text's size when there is none.
  std::size_t next(std::size_t from) {
    if (lf_ < from) lf_ = find('\n', from);
    if (cr_ < from) cr_ = find('\r', from);
    return std::min(lf_, cr_);
  }

 private:
  std::size_t find(char c, std::size_t from) const {
    if (from >= text_.size()) return text_.size();
    const void* at = std::memchr(text_.data() + from, c, text_.size() - from);
    return at ? std::size_t(static_cast<const char*>(at) - text_.data()) : text_.size();
  }

  std::string_view text_;
  std::size_t lf_, cr_;
};

}  // namespace bxl
