// TRLData: writing a block of the list as an HTML document holding one table.
#include <algorithm>
#include <string>

#include "framework/rtl/safe_save.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_io.h"

namespace zeb {

namespace {

// Text as HTML character data; control characters HTML does not allow are dropped, blanks
// and line breaks stay (the cells are styled to show them).
void AppendHtml(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (const char* entity = rlio::MarkupEntity(b, "&#39;")) {
      out += entity;
      continue;
    }
    switch (b) {
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') break;
        out += '\n';
        break;
      default:
        if (b == '\t' || b == '\n' || (b >= 0x20 && b != 0x7F && b < 0x80)) {
          out += static_cast<char>(b);
        } else if (b >= 0x80) {
          const std::size_t length = rlio::ValidUtf8Length(text, i);
          if (length == 0) {
            out += fw::Cp1252ToUtf8(b);
          } else {
            out.append(text.data() + i, length);
            i += length - 1;
          }
        }
    }
  }
}

// A CSS colour as given, when it consists only of characters colours are written with;
// anything else (which could break out of the style sheet) gives "".
std::string CssColor(const std::string& color) {
  const std::string trimmed = fw::Trim(color);
  if (trimmed.empty() || trimmed.size() > 64) return {};
  for (const char c : trimmed) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '#' || c == '(' || c == ')' || c == ',' || c == '.' || c == '%' ||
                    c == ' ';
    if (!ok) return {};
  }
  return trimmed;
}

}  // namespace

void TRLData::ExportHTMLTable(const std::string& FileName, int ColLow, int RowLow, int ColHigh,
                              int RowHigh, TIntList ColWidths, int Border, int CellPadding,
                              int CellSpacing, bool WithColNames, const std::string& Title,
                              const std::string& HeaderColor, const std::string& CellColor) {
  const int colLow = std::max(ColLow, 0);
  const int colHigh = std::min(ColHigh, nrCols_);
  const int rowLow = std::max(RowLow, 1);
  const int rowHigh = std::min(RowHigh, nrRows_);
  const std::string px[] = {std::to_string(std::max(Border, 0)) + "px",
                            std::to_string(std::max(CellPadding, 0)) + "px",
                            std::to_string(std::max(CellSpacing, 0)) + "px"};
  std::string title = Title.empty() ? commonHeader_ : Title;
  if (fw::Trim(title).empty()) title = "Report list";

  fw::SafeFileWriter file(FileName);
  rlio::TextSink sink([&file](std::string_view text) { file.Write(text); });
  rlio::Progress progress(*this, std::max(rowHigh - rowLow + 1, 0));
  std::string out;  // handed to the sink after each row
  out += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendHtml(out, title);
  out += "</title>\n<style>\ntable { border-collapse: separate; border-spacing: " + px[2] +
         "; border: " + px[0] + " solid; }\nth, td { border: " + px[0] +
         " solid; padding: " + px[1] +
         "; text-align: left; vertical-align: top; white-space: pre-wrap; }\n";
  if (const std::string color = CssColor(HeaderColor); !color.empty())
    out += "th { background-color: " + color + "; }\n";
  if (const std::string color = CssColor(CellColor); !color.empty())
    out += "td { background-color: " + color + "; }\n";
  out += "</style>\n</head>\n<body>\n<table>\n<caption>";
  AppendHtml(out, title);
  out += "</caption>\n";
  if (colLow <= colHigh) {
    if (!ColWidths.empty()) {
      out += "<colgroup>";
      for (int c = colLow; c <= colHigh; ++c) {
        const auto i = static_cast<std::size_t>(c - colLow);
        if (i < ColWidths.size() && ColWidths[i] > 0)
          out += "<col style=\"width: " + std::to_string(ColWidths[i]) + "px\">";
        else
          out += "<col>";
      }
      out += "</colgroup>\n";
    }
    std::string text;
    const auto row = [&](int r, const char* cellTag, auto&& textOf) {
      out += "<tr>";
      for (int c = colLow; c <= colHigh; ++c) {
        text = textOf(c);
        BeforeHTMLExport(text, c, r);
        out += '<';
        out += cellTag;
        out += '>';
        AppendHtml(out, text);
        out += "</";
        out += cellTag;
        out += '>';
      }
      out += "</tr>\n";
      sink.Add(out);
      out.clear();
    };
    if (WithColNames) {
      out += "<thead>\n";
      row(0, "th", [&](int c) { return GetColName(c); });
      out += "</thead>\n";
    }
    out += "<tbody>\n";
    for (int r = rowLow; r <= rowHigh; ++r) {
      row(r, "td", [&](int c) { return GetElem(c, r); });
      progress.Step(r - rowLow + 1);
    }
    out += "</tbody>\n";
  }
  out += "</table>\n</body>\n</html>\n";
  sink.Add(out);
  sink.Flush();
  file.Commit();
  progress.Finish();
}

}  // namespace zeb
