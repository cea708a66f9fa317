// The document's form text: writing it (with the event handler lines the framework's writer
// leaves out), reading it into a new designed form, and files saved safely.
#include <cctype>
#include <map>
#include <optional>
#include <sstream>

#include "apps/designer/design_document.h"
#include "framework/base/form_text.h"
#include "framework/rtl/file_read.h"
#include "framework/rtl/safe_save.h"
#include "framework/rtl/utf8.h"

namespace designer {

namespace {

// The object line "  object Name: TClass" at `indent` spaces: its component name (empty for an
// unnamed one), or nothing when the line is no object line at that indent.
std::optional<std::string> ObjectName(const std::string& line, size_t indent) {
  static const std::string kObject = "object ";
  if (line.size() <= indent + kObject.size() || line.find_first_not_of(' ') != indent ||
      line.compare(indent, kObject.size(), kObject) != 0)
    return std::nullopt;
  std::string rest = line.substr(indent + kObject.size());
  size_t colon = rest.find(':');
  return colon == std::string::npos ? std::string() : rest.substr(0, colon);
}

bool IsEndLine(const std::string& line, size_t indent) {
  return line.size() == indent + 3 && line.find_first_not_of(' ') == indent &&
         line.compare(indent, 3, "end") == 0;
}

// The header of a form text: the line of its first word, and the class it names when the
// header reads "object [Name:] Class".
struct Header {
  int line = 1;
  std::string className;
};

Header ReadHeader(const std::string& text) {
  Header h;
  size_t pos = 0;
  auto skipSpace = [&] {
    while (pos < text.size() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n')) {
      if (text[pos] == '\n') ++h.line;
      ++pos;
    }
  };
  auto ident = [&] {
    skipSpace();
    size_t start = pos;
    while (pos < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[pos])) || text[pos] == '_'))
      ++pos;
    return text.substr(start, pos - start);
  };
  skipSpace();
  int headerLine = h.line;
  if (!fw::SameText(ident(), "object")) return {headerLine, ""};
  std::string name = ident();
  skipSpace();
  if (pos < text.size() && text[pos] == ':') {
    ++pos;
    name = ident();
  }
  return {headerLine, name};
}

}  // namespace

std::string TDesignDocument::SaveToText() {
  std::string form;
  try {
    form = fw::WriteForm(*root_);
  } catch (const fw::Exception& e) {
    throw EDesignError(e.Message());
  }
  // Each object's event lines go after its properties: before its first nested object or its
  // "end", whichever comes first.
  struct Open {
    const fw::TComponent* component;
    size_t indent;
    bool eventsWritten;
  };
  std::vector<Open> open;
  std::string out;
  out.reserve(form.size() + 64);
  auto writeEvents = [&](Open& o) {
    if (o.eventsWritten) return;
    o.eventsWritten = true;
    if (o.component == nullptr) return;
    auto named = handlers_.find(o.component);
    if (named == handlers_.end()) return;
    for (const EventHandler& e : EventsOf(o.component))
      if (!e.handler.empty())
        out += std::string(o.indent + 2, ' ') + e.event + " = " + e.handler + "\n";
  };
  std::istringstream lines(form);
  std::string line;
  while (std::getline(lines, line)) {
    size_t indent = open.empty() ? 0 : open.back().indent + 2;
    if (auto name = ObjectName(line, indent)) {
      if (!open.empty()) writeEvents(open.back());
      const fw::TComponent* c = nullptr;
      if (open.empty()) {
        c = root_.get();
      } else if (!name->empty()) {
        c = root_->FindComponent(*name);
      }
      open.push_back({c, indent, false});
    } else if (!open.empty() && IsEndLine(line, open.back().indent)) {
      writeEvents(open.back());
      open.pop_back();
    }
    out += line + "\n";
  }
  return out;
}

void TDesignDocument::SaveToFile(const std::string& path) {
  std::string text = SaveToText();
  try {
    fw::SafeFileWriter writer(path);
    writer.Write(text);
    writer.Commit();
  } catch (const fw::Exception& e) {
    throw EDesignError(e.Message());
  }
  modified_ = false;
}

void TDesignDocument::LoadFromText(const std::string& text) {
  // The root is made here, of the class the text names, so that it is designed before any
  // component is read into it: every component then starts in design state.
  Header header = ReadHeader(text);
  const fw::ClassRecord* record = fw::GetClass(header.className);
  if (record != nullptr && fw::IsA(*record, "TComponent") && !fw::IsA(*record, "TForm"))
    throw EDesignError("Line " + std::to_string(header.line) + ": Class " + record->name +
                       " is not a form");
  std::unique_ptr<fw::TCustomForm> root;
  if (record != nullptr && record->factory) {
    try {
      std::unique_ptr<fw::TComponent> made(record->factory(nullptr));
      if (auto* form = dynamic_cast<fw::TCustomForm*>(made.get())) {
        made.release();
        root.reset(form);
      }
    } catch (const fw::Exception& e) {
      throw EDesignError("Line " + std::to_string(header.line) + ": Error creating a " +
                         record->name + ": " + e.Message());
    }
  }
  // Without a creatable form class the reader names the fault (no header, unknown class).
  if (root == nullptr) root = std::make_unique<fw::TForm>(nullptr);
  root->SetDesigning(true);

  std::map<const fw::TComponent*, std::map<std::string, std::string>> handlers;
  fw::FormReadOptions options;
  options.bindEvent = [&handlers](fw::TComponent* c, const std::string& event,
                                  const std::string& handler) { handlers[c][event] = handler; };
  try {
    fw::ReadFormInto(*root, text, options);
  } catch (const fw::Exception& e) {
    throw EDesignError(e.Message());
  }
  // Event names as registered, whatever their spelling in the text.
  for (auto& [component, named] : handlers) {
    std::map<std::string, std::string> spelled;
    for (const std::string& event : fw::AllEvents(*fw::ClassRecordOf(*component)))
      for (const auto& [e, handler] : named)
        if (fw::SameText(e, event)) spelled[event] = handler;
    named = std::move(spelled);
  }
  Adopt(std::move(root));
  handlers_ = std::move(handlers);
}

void TDesignDocument::LoadFromFile(const std::string& path) {
  std::string text;
  try {
    // Form files are text; anything beyond 64 MiB is no form this designer wrote.
    text = fw::ReadWholeFile(path, int64_t(64) << 20);
  } catch (const fw::Exception& e) {
    throw EDesignError(e.Message());
  }
  LoadFromText(text);
}

}  // namespace designer
