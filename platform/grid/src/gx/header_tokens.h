// The tokens of a printed page's header and footer texts:
//   $F, $P  the page number        $N  the number of pages
//   $D      the date (dd.mm.yyyy)  $T  the time (hh:mm)
//   $$      a dollar sign
// Any other "$x" is printed as it stands.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace gx {

struct PageTokens {
  int page = 1;
  int pages = 1;
  std::tm when{};
};

std::string ExpandHeaderTokens(std::string_view text, const PageTokens& tokens);

}  // namespace gx
