// Writing the pages as PNG files and the overview page that shows them.
#include "apps/gallery/overview.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <sstream>

#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/exceptions.h"

namespace gallery {

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string OverviewHtml(const std::vector<PageOutcome>& outcomes) {
  std::ostringstream html;
  html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>panekit gallery</title>\n"
          "<style>body{font-family:sans-serif;background:#ddd;margin:16px}"
          "figure{display:inline-block;vertical-align:top;margin:8px;padding:8px;"
          "background:#f4f4f4;border:1px solid #aaa}figcaption{font-weight:bold;margin-bottom:6px}"
          "img{max-width:100%;height:auto;border:1px solid #888}.failed{color:#a00}</style>\n"
          "</head>\n<body>\n<h1>panekit gallery</h1>\n<p>"
       << outcomes.size()
       << " pages. Click a picture for its full size.</p>\n"
          "<p><img src=\"overview.png\" alt=\"All pages at a glance\"></p>\n";
  for (const PageOutcome& page : outcomes) {
    const std::string name = HtmlEscape(page.name);
    html << "<figure id=\"" << name << "\"><figcaption>" << HtmlEscape(page.title)
         << "</figcaption>\n";
    if (page.error.empty()) {
      html << "<a href=\"" << name << ".png\"><img src=\"" << name << ".png\" width=\""
           << page.width << "\" height=\"" << page.height << "\" alt=\"" << HtmlEscape(page.title)
           << "\"></a>";
    } else {
      html << "<p class=\"failed\">failed: " << HtmlEscape(page.error) << "</p>";
    }
    html << "</figure>\n";
  }
  html << "</body></html>\n";
  return html.str();
}

void ContactSheet::Add(const std::string& title, const fw::TBitmap& page) {
  if (page.Width() <= 0 || page.Height() <= 0) return;
  const int height = std::max(1, page.Height() * kThumbWidth / page.Width());
  auto thumb = std::make_unique<fw::TBitmap>(kThumbWidth, height);
  fw::SetStretchBltMode(thumb->Canvas(), fw::HALFTONE);
  thumb->Canvas()->StretchDraw(fw::Rect(0, 0, kThumbWidth, height), &page);
  thumbs_.push_back(Thumb{title, std::move(thumb)});
}

std::unique_ptr<fw::TBitmap> ContactSheet::Picture() const {
  if (thumbs_.empty()) return std::make_unique<fw::TBitmap>(1, 1);
  constexpr int kGap = 12, kTitle = 20;
  // Each row is as tall as its tallest thumbnail.
  std::vector<int> rowHeights;
  for (size_t i = 0; i < thumbs_.size(); ++i) {
    if (i % kColumns == 0) rowHeights.push_back(0);
    rowHeights.back() = std::max(rowHeights.back(), thumbs_[i].picture->Height());
  }
  const int columns = std::min<int>(kColumns, static_cast<int>(thumbs_.size()));
  int height = kGap;
  for (int h : rowHeights) height += kTitle + h + kGap;
  auto sheet = std::make_unique<fw::TBitmap>(kGap + columns * (kThumbWidth + kGap), height);
  fw::TCanvas* c = sheet->Canvas();
  c->Brush()->SetColor(fw::RGB(0xDD, 0xDD, 0xDD));
  c->FillRect(fw::Rect(0, 0, sheet->Width(), sheet->Height()));
  int top = kGap;
  for (size_t i = 0; i < thumbs_.size(); ++i) {
    const int row = static_cast<int>(i) / kColumns;
    const int x = kGap + static_cast<int>(i % kColumns) * (kThumbWidth + kGap);
    // The title is drawn on its own strip so that a long one is cut at the thumbnail's edge
    // instead of running into the next column.
    fw::TBitmap title(kThumbWidth, kTitle);
    title.Canvas()->Brush()->SetColor(fw::RGB(0xDD, 0xDD, 0xDD));
    title.Canvas()->FillRect(fw::Rect(0, 0, kThumbWidth, kTitle));
    Caption(title.Canvas(), 0, 0, thumbs_[i].title);
    c->Draw(x, top, &title);
    c->Draw(x, top + kTitle, thumbs_[i].picture.get());
    c->Brush()->SetColor(fw::clGray);
    c->FrameRect(fw::Rect(x - 1, top + kTitle - 1, x + kThumbWidth + 1,
                          top + kTitle + thumbs_[i].picture->Height() + 1));
    if (i % kColumns == kColumns - 1 || i + 1 == thumbs_.size())
      top += kTitle + rowHeights[row] + kGap;
  }
  return sheet;
}

std::vector<PageOutcome> WriteGallery(const std::filesystem::path& dir,
                                      const std::vector<Page>& pages, std::FILE* summary) {
  std::filesystem::create_directories(dir);
  std::vector<PageOutcome> outcomes;
  int failures = 0;
  ContactSheet sheet;
  for (const Page& page : pages) {
    PageOutcome outcome{page.name, page.title, page.width, page.height, {}};
    const auto file = dir / (page.name + ".png");
    try {
      const auto picture = RenderPage(page);
      picture->SaveToFile(file.string());
      sheet.Add(page.title, *picture);
      std::fprintf(summary, "%-24s %-5s %4dx%-4d %s\n", page.name.c_str(),
                   page.build ? "live" : "image", page.width, page.height, page.title.c_str());
    } catch (const std::exception& e) {
      outcome.error = e.what();
      ++failures;
      std::fprintf(summary, "%-24s FAILED: %s\n", page.name.c_str(), e.what());
    }
    outcomes.push_back(std::move(outcome));
  }
  sheet.Picture()->SaveToFile((dir / "overview.png").string());
  const auto index = dir / "index.html";
  std::ofstream html(index);
  html << OverviewHtml(outcomes);
  html.close();
  if (!html) throw fw::Exception("Cannot write " + index.string());
  std::fprintf(summary, "%zu pages, %d failed; overview: %s\n", pages.size(), failures,
               index.string().c_str());
  return outcomes;
}

}  // namespace gallery
