// Default texts of report list cells from a column format's rest (after the type and width
// groups), shared by the data store's GetCellDefaultValue and the row editing form.
#pragma once

#include <string>
#include <string_view>

namespace zeb {

// A rest containing "rix" (any case) gives row `row` with the count read from the rest's
// fourth character: decimals for e and f, that many hexadecimal digits for h, that many
// digits (zero-padded, cut from the left) otherwise; any other rest is returned unchanged.
std::string RowIndexDefault(char code, std::string_view rest, int row);
// A rest containing "$pwd$" (any case) gives a new password of the length read from the
// rest's sixth character, at most the longest cell text; any other rest is returned unchanged.
std::string PasswordDefault(std::string_view rest);

}  // namespace zeb
