// The report list's file formats: the XML dialect its lists are written in (the tags, the
// layout, the checks of a file or stream for a list) and how its CSV files are written and read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {
class TStream;
}  // namespace fw

namespace zeb {

// ---- the report list XML dialect ------------------------------------------------------------
//
// A report list is written as one element `replist`; a file or stream may hold several of
// them one after another (a caller that wants one well-formed document around several lists
// writes the XML declaration, an element of its own around the lists and its end tag itself).
// The layout, one item per line, in exactly this order:
//
//   <?xml version="1.0" encoding="UTF-8"?>            only when the writer's Flag is true
//   <replist family="zebworks" id="Prices">             root start tag, on a line of its own
//     <numcols>2</numcols>                              NrOfColumns (0 or more)
//     <numrows>3</numrows>                              NrOfRows
//     <commonheader>ZEB Report Listview</commonheader>
//     <comment>free text</comment>
//     <colname col="1">Name</colname>                   for each column 1..numcols in turn:
//     <columnformat col="1">[s][120]</columnformat>       its name, format and check mode
//     <checkedcolumn col="1">none</checkedcolumn>         (none, box or radio)
//     <cell col="1" row="1">Apples</cell>               cells in the order shown (row by row,
//     <cell col="2" row="1" checked="1">3</cell>          columns 0..numcols left to right)
//     <cell col="1" row="2"/>                           a row without text: one empty cell
//   </replist>
//
// Cells hold the visible text; in a check column the attribute `checked` ("1" or "0") carries
// the mark. Empty cells are left out, but every row 1..numrows appears with at least one cell,
// so a reader never has to trust a count it has not seen evidence for. Column 0 cells (the
// plain text column) are written like the others. Texts are UTF-8; "&", "<", ">", '"' and "'"
// are written as the predefined entities, tab, line feed, carriage return and every other
// control character below U+0020 as numeric character references (so each item stays on one
// line and leading and trailing blanks, tabs and line breaks survive); bytes that are not
// UTF-8 are written as the code-page 1252 character of the same number. (XML 1.0 has no way
// to carry the controls other than tab, line feed and carriage return; their references are
// those of XML 1.1, which this reader accepts. Texts without such characters give documents
// valid in both versions.)
//
// Readers accept exactly this dialect: the items in the order above (blank space and comments
// between them are allowed, and a text may also come as CDATA), the five predefined entities
// and numeric character references, nothing else. Document type declarations, processing
// instructions inside a list, other entity references, unknown tags or attributes, a
// repeated, missing or misplaced item, a text that is not UTF-8 and a list that ends before
// its end tag are errors (EZEBRLDataError naming the line). No entity is ever expanded and no
// external reference followed. Readers read into a new store and copy it over only on
// success, so a failed read leaves the store as it was.

// Tags of the dialect; RepListXmlTagText gives each one's text.
enum TRepListXmlTag : uint8_t {
  xmlNumCols,
  xmlNumRows,
  xmlColName,
  xmlCheckedColumn,
  xmlCommonHd,
  xmlColumnFormat,
  xmlCell,
  xmlComment,
  xmlEndReplist,
  xmlInvalid
};
inline constexpr std::string_view RepListXmlTagText[] = {
    "numcols",      "numrows", "colname", "checkedcolumn", "commonheader",
    "columnformat", "cell",    "comment", "/replist",      "invalidtag"};
// The tag of the text between "<" and ">" up to its first blank (compared exactly); any text
// not in the table gives xmlInvalid.
TRepListXmlTag RepListXmlTagOf(std::string_view TagText);

// True when the text file FileName holds a root start tag of a report list (a line containing
// "<replist" and "zebworks", compared in lower case) whose identifier (the value of id="...",
// character references decoded, blanks around it removed) equals DataID without regard to
// case; an empty DataID matches every list. Raises the platform's EInOutError when the file
// cannot be read.
bool CheckIfValidReplist(const std::string& FileName, const std::string& DataID);
// The same for the lines of InStream from its position; the stream is left after the line that
// matched, or at its end.
bool CheckIfValidReplist(fw::TStream& InStream, const std::string& DataID);

// ---- CSV files ----------------------------------------------------------------------------
//
// Written as RFC 4180 describes: records end in CR LF, a field is enclosed in double quotes
// (inner quotes doubled) when it holds the delimiter, a quote, a line break or a leading or
// trailing blank or tab, when it begins with U+FEFF (which would otherwise read back as a byte
// order mark), when it is the only, empty field of its record, or always when the writer is
// asked to quote all fields. csvAuto writes commas. Reading accepts CR LF, LF and CR
// line ends, quoted fields with line breaks inside, a UTF-8 byte order mark, and files that are
// not UTF-8 (read as code page 1252); csvAuto takes the delimiter the first line uses most
// outside quotes (comma when it uses none). A quote left open at the end of the file is an
// error.

}  // namespace zeb
