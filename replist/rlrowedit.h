// The row editing form's pure pieces: reading a column format into the line it gives, the
// item list of a list column, and reading a date/time text through a picture.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// One line of the row editing form, read from a column format "[type][width]rest":
//  - the type group is the text between the first "[" and the first "]" ("s" without such a
//    pair); a leading "#" makes the line read-only; its first character is the control code;
//    a ":" followed by a number sets the drop-down count of a list; for "d" the rest of the
//    type group after the letter is the date/time picture;
//  - the width group is the text between the next "[" and "]" after the type group, read as
//    an integer (blanks, sign, digits); below 1, or no such group, means 200;
//  - the rest follows the width group's "]" (without a width group: all after the type group).
struct TEditLineFormat {
  bool readOnly = false;
  char code = 's';
  std::string typeGroup;  // without the "#"
  int width = 200;
  int dropDownCount = 0;  // 0: the combo box's own (8)
  std::string picture;    // "d": the type group after the letter
  std::string rest;
};
TEditLineFormat ParseEditLineFormat(std::string_view format);

// An integer as the formats write them: blanks, an optional sign, then decimal digits up to the
// first other character; 0 without digits; magnitudes above 1000000 saturate. `used` (when
// given) receives the bytes read, 0 when there were no digits.
int ReadFormatInteger(std::string_view s, std::size_t* used = nullptr);

// The texts before each "|" of `rest`, a "|" appended first when it does not end in one.
std::vector<std::string> SplitEditItems(std::string_view rest);

// Reads `text` through a date/time picture (tokens as the date/time picker's: yyyy yy MMMM MMM
// MM M dddd ddd dd d HH H hh h mm m ss s tt t; quoted and other characters literal), month and
// weekday names in English. ErrorCode:
//    0  read; the result is the date (when year, month or day was read as non-zero) plus the
//       time of day, or the time alone;
//   -1  the text does not begin with a literal part of the picture;
//   -2  the picture has a run of a token letter that is no token (yyy, MMMMM ...);
//   -3  a token's characters are not a number or a name;
//   -4  the parts read make no date or time (31 February, hour 25, a date without a year).
// With an error the result is 0.
double ParseDateTimeWithPicture(std::string_view text, std::string_view picture, int& ErrorCode);

}  // namespace zeb
