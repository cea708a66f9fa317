// Writing the pages as PNG files and the overview page that shows them.
#include "apps/gallery/overview.h"

#include <exception>
#include <fstream>
#include <sstream>

#include "framework/base/exceptions.h"

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
       << outcomes.size() << " pages. Click a picture for its full size.</p>\n";
  for (const PageOutcome& page : outcomes) {
    const std::string name = HtmlEscape(page.name);
    html << "<figure id=\"" << name << "\"><figcaption>" << HtmlEscape(page.title)
         << "</figcaption>\n";
    if (page.error.empty()) {
      html << "<a href=\"" << name << ".png\"><img src=\"" << name << ".png\" width=\""
           << page.width << "\" height=\"" << page.height << "\" alt=\""
           << HtmlEscape(page.title) << "\"></a>";
    } else {
      html << "<p class=\"failed\">failed: " << HtmlEscape(page.error) << "</p>";
    }
    html << "</figure>\n";
  }
  html << "</body></html>\n";
  return html.str();
}

std::vector<PageOutcome> WriteGallery(const std::filesystem::path& dir,
                                      const std::vector<Page>& pages, std::FILE* summary) {
  std::filesystem::create_directories(dir);
  std::vector<PageOutcome> outcomes;
  int failures = 0;
  for (const Page& page : pages) {
    PageOutcome outcome{page.name, page.title, page.width, page.height, {}};
    const auto file = dir / (page.name + ".png");
    try {
      RenderPage(page)->SaveToFile(file.string());
      std::fprintf(summary, "%-24s %-5s %4dx%-4d %s\n", page.name.c_str(),
                   page.build ? "live" : "image", page.width, page.height, page.title.c_str());
    } catch (const std::exception& e) {
      outcome.error = e.what();
      ++failures;
      std::fprintf(summary, "%-24s FAILED: %s\n", page.name.c_str(), e.what());
    }
    outcomes.push_back(std::move(outcome));
  }
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
