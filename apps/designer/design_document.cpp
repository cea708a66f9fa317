// The document's form and components: creating and deleting them, the selection, property
// and event edits, and telling observers what changed.
#include "apps/designer/design_document.h"

#include <algorithm>

#include "framework/design/property_editor_registry.h"
#include "framework/rtl/utf8.h"

namespace designer {

// Subscribed to the free notification of every component of the form: a component deleted
// by any path (Delete, a setter, the form going) leaves the selection and the handler map.
class TDesignDocument::TWatcher : public fw::TComponent {
 public:
  explicit TWatcher(TDesignDocument& document) : TComponent(nullptr), document_(document) {}

  void Notification(fw::TComponent* component, fw::TOperation operation) override {
    if (operation == fw::opRemove) document_.Forget(component);
    TComponent::Notification(component, operation);
  }

 private:
  TDesignDocument& document_;
};

TDesignDocument::TDesignDocument() : watcher_(std::make_unique<TWatcher>(*this)) {
  New();
}

TDesignDocument::~TDesignDocument() {
  // The form goes first, while the watcher and the maps it updates still exist.
  root_.reset();
}

void TDesignDocument::New() {
  auto form = std::make_unique<fw::TForm>(nullptr);
  form->SetDesigning(true);
  form->SetName("Form1");
  form->SetCaption("Form1");
  form->SetBounds(0, 0, 640, 480);
  Adopt(std::move(form));
}

// Makes `root` the document's form: the old one goes, nothing is selected or modified.
void TDesignDocument::Adopt(std::unique_ptr<fw::TCustomForm> root) {
  drag_ = DragState{};
  bool hadSelection = !selection_.empty();
  selection_.clear();
  root_ = std::move(root);
  Watch(root_.get());
  for (int i = 0; i < root_->ComponentCount(); ++i) Watch(root_->Components(i));
  modified_ = false;
  NotifyDocument();
  if (hadSelection && OnSelectionChange) OnSelectionChange(root_.get());
}

void TDesignDocument::Watch(fw::TComponent* component) {
  component->FreeNotification(watcher_.get());
  revisions_[component] = nextRevision_++;
}

void TDesignDocument::Forget(fw::TComponent* component) {
  std::erase(selection_, component);
  std::erase(drag_.bandBase, component);
  std::erase_if(drag_.original,
                [component](const auto& entry) { return entry.first == component; });
  if (drag_.anchor == component) drag_ = DragState{};
  if (editing_ == component) editing_ = nullptr;
  handlers_.erase(component);
  revisions_.erase(component);
}

// --- change notes

void TDesignDocument::AddObserver(TDesignObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void TDesignDocument::RemoveObserver(TDesignObserver* observer) {
  std::erase(observers_, observer);
}

void TDesignDocument::NotifyArea(const fw::TRect& area) {
  if (fw::IsRectEmpty(area)) return;
  for (TDesignObserver* o : observers_) o->AreaChanged(area);
}

void TDesignDocument::NotifyDocument() {
  for (TDesignObserver* o : observers_) o->DocumentChanged();
}

// Something beyond a known area changed: modified, observers repaint, OnChange.
void TDesignDocument::Changed() {
  modified_ = true;
  NotifyDocument();
  if (OnChange) OnChange(root_.get());
}

void TDesignDocument::Modified() {
  if (editing_ != nullptr) {
    revisions_[editing_] = nextRevision_++;
  } else if (selection_.empty()) {
    revisions_[root_.get()] = nextRevision_++;
  } else {
    for (fw::TComponent* c : selection_) revisions_[c] = nextRevision_++;
  }
  Changed();
}

void TDesignDocument::ComponentModified(fw::TComponent* component) {
  revisions_[component] = nextRevision_++;
  Changed();
}

uint64_t TDesignDocument::ContentRevision(const fw::TComponent* component) const {
  auto it = revisions_.find(component);
  return it == revisions_.end() ? 0 : it->second;
}

// --- components

// The class name without its leading T and the smallest number no component of the form
// carries yet: Label1, Label2, ...
std::string TDesignDocument::UniqueName(const fw::ClassRecord& record) const {
  std::string base = record.name;
  if (base.size() > 1 && (base[0] == 'T' || base[0] == 't')) base.erase(0, 1);
  for (int n = 1;; ++n) {
    std::string name = base + std::to_string(n);
    if (!fw::SameText(name, root_->Name()) && root_->FindComponent(name) == nullptr) return name;
  }
}

fw::TComponent* TDesignDocument::Drop(const fw::ClassRecord& record, int x, int y) {
  if (!record.factory) throw EDesignError("A " + record.name + " cannot be created");
  if (fw::IsA(record, "TCustomForm"))
    throw EDesignError("A " + record.name + " cannot be put on a form");
  fw::TComponent* component = nullptr;
  try {
    component = record.factory(root_.get());
  } catch (const fw::Exception& e) {
    throw EDesignError("A " + record.name + " cannot be created: " + e.Message());
  }
  component->SetName(UniqueName(record));
  // Captions and texts start as the name, so the new control shows what it is.
  for (const char* text : {"Caption", "Text"}) {
    const fw::PropertyRecord* p = fw::FindProperty(record, text);
    if (p && p->kind == fw::TPropertyKind::String && p->set &&
        std::get<std::string>(p->get(component)).empty())
      p->set(component, component->Name());
  }
  if (auto* control = dynamic_cast<fw::TControl*>(component)) {
    control->SetParent(root_.get());
    int width = control->Width() > 0 ? control->Width() : 100;
    int height = control->Height() > 0 ? control->Height() : 30;
    if (snapToGrid_) {
      x = GridSnap(x, gridSize_);
      y = GridSnap(y, gridSize_);
    }
    control->SetBounds(x, y, width, height);
  }
  Watch(component);
  Changed();
  Select(component);
  return component;
}

std::vector<fw::TControl*> TDesignDocument::VisualComponents() const {
  std::vector<fw::TControl*> controls;
  controls.reserve(size_t(root_->ControlCount()));
  for (int i = 0; i < root_->ControlCount(); ++i) controls.push_back(root_->Controls(i));
  return controls;
}

std::vector<fw::TComponent*> TDesignDocument::NonVisualComponents() const {
  std::vector<fw::TComponent*> components;
  for (int i = 0; i < root_->ComponentCount(); ++i) {
    fw::TComponent* c = root_->Components(i);
    if (dynamic_cast<fw::TControl*>(c) == nullptr) components.push_back(c);
  }
  return components;
}

fw::TControl* TDesignDocument::ComponentAt(int x, int y) const {
  for (int i = root_->ControlCount() - 1; i >= 0; --i) {
    fw::TControl* control = root_->Controls(i);
    if (fw::PtInRect(control->BoundsRect(), fw::Point(x, y))) return control;
  }
  return nullptr;
}

void TDesignDocument::DeleteSelection() {
  if (selection_.empty()) return;
  // Each deletion takes the component (and whatever it deletes with it) off the selection.
  while (!selection_.empty()) delete selection_.back();
  if (OnSelectionChange) OnSelectionChange(root_.get());
  Changed();
}

// --- selection

bool TDesignDocument::IsSelected(const fw::TComponent* component) const {
  return std::find(selection_.begin(), selection_.end(), component) != selection_.end();
}

void TDesignDocument::SetSelection(std::vector<fw::TComponent*> selection) {
  if (selection == selection_) return;
  fw::TRect area = SelectionArea();
  auto nonVisual = [](const std::vector<fw::TComponent*>& list) {
    std::vector<fw::TComponent*> found;
    for (fw::TComponent* c : list)
      if (dynamic_cast<fw::TControl*>(c) == nullptr) found.push_back(c);
    std::sort(found.begin(), found.end());
    return found;
  };
  bool trayChanged = nonVisual(selection) != nonVisual(selection_);
  selection_ = std::move(selection);
  fw::UnionRect(area, area, SelectionArea());
  NotifyArea(area);
  if (trayChanged)
    for (TDesignObserver* o : observers_) o->NonVisualSelectionChanged();
  if (OnSelectionChange) OnSelectionChange(root_.get());
}

void TDesignDocument::Select(fw::TComponent* component, bool add) {
  if (component == nullptr || component == root_.get()) {
    if (!add) ClearSelection();
    return;
  }
  if (component->Owner() != root_.get()) throw EDesignError("The component is not on the form");
  std::vector<fw::TComponent*> selection = add ? selection_ : std::vector<fw::TComponent*>{};
  if (std::find(selection.begin(), selection.end(), component) == selection.end())
    selection.push_back(component);
  SetSelection(std::move(selection));
}

void TDesignDocument::Toggle(fw::TComponent* component) {
  if (IsSelected(component)) {
    std::vector<fw::TComponent*> selection = selection_;
    std::erase(selection, component);
    SetSelection(std::move(selection));
  } else {
    Select(component, true);
  }
}

void TDesignDocument::ClearSelection() {
  SetSelection({});
}

void TDesignDocument::SelectAll() {
  std::vector<fw::TComponent*> all;
  for (int i = 0; i < root_->ComponentCount(); ++i) all.push_back(root_->Components(i));
  SetSelection(std::move(all));
}

fw::TControl* TDesignDocument::HandleControl() const {
  return selection_.size() == 1 ? dynamic_cast<fw::TControl*>(selection_[0]) : nullptr;
}

// --- properties and events

namespace {

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t dot = path.find('.', start);
    parts.push_back(path.substr(start, dot - start));
    if (dot == std::string::npos) return parts;
    start = dot + 1;
  }
}

}  // namespace

std::vector<std::unique_ptr<fw::TPropertyEditor>> TDesignDocument::PropertiesOf(
    fw::TComponent* component) {
  return fw::GetComponentProperties(this, component);
}

// The editor of the property at `path`, going through the sub-properties of nested objects.
// `keep` holds the editors the result belongs to.
static fw::TPropertyEditor* FindEditor(std::vector<std::unique_ptr<fw::TPropertyEditor>>& keep,
                                       std::vector<std::unique_ptr<fw::TPropertyEditor>> editors,
                                       const std::string& path) {
  fw::TPropertyEditor* found = nullptr;
  for (const std::string& part : SplitPath(path)) {
    if (found != nullptr) {
      if (!found->GetAttributes().Contains(fw::paSubProperties))
        throw EDesignError("Property " + path + " does not exist");
      editors = found->GetProperties();
    }
    found = nullptr;
    for (auto& editor : editors)
      if (fw::SameText(editor->GetName(), part)) found = editor.get();
    if (found == nullptr) throw EDesignError("Property " + path + " does not exist");
    for (auto& editor : editors) keep.push_back(std::move(editor));
  }
  return found;
}

void TDesignDocument::SetPropertyText(fw::TComponent* component, const std::string& path,
                                      const std::string& text) {
  std::vector<std::unique_ptr<fw::TPropertyEditor>> keep;
  fw::TPropertyEditor* editor = FindEditor(keep, PropertiesOf(component), path);
  editing_ = component;
  try {
    editor->SetValue(text);
  } catch (const fw::EPropertyError& e) {
    editing_ = nullptr;
    throw EDesignError(e.Message());
  }
  editing_ = nullptr;
}

std::string TDesignDocument::PropertyText(fw::TComponent* component, const std::string& path) {
  std::vector<std::unique_ptr<fw::TPropertyEditor>> keep;
  return FindEditor(keep, PropertiesOf(component), path)->GetValue();
}

std::vector<TDesignDocument::EventHandler> TDesignDocument::EventsOf(
    const fw::TComponent* component) const {
  std::vector<EventHandler> events;
  const fw::ClassRecord* record = fw::ClassRecordOf(*component);
  if (record == nullptr) return events;
  auto named = handlers_.find(component);
  for (const std::string& event : fw::AllEvents(*record)) {
    std::string handler;
    if (named != handlers_.end()) {
      auto it = named->second.find(event);
      if (it != named->second.end()) handler = it->second;
    }
    events.push_back({event, handler});
  }
  return events;
}

void TDesignDocument::SetEventHandler(fw::TComponent* component, const std::string& event,
                                      const std::string& handler) {
  const fw::ClassRecord* record = fw::ClassRecordOf(*component);
  if (record == nullptr || !fw::HasEvent(*record, event))
    throw EDesignError("Event " + event + " does not exist");
  if (!handler.empty() && !fw::IsComponentIdent(handler))
    throw EDesignError("'" + handler + "' is not a valid handler name");
  // Stored under the event's registered spelling, so the text is written the same each time.
  std::string name = event;
  for (const std::string& e : fw::AllEvents(*record))
    if (fw::SameText(e, event)) name = e;
  auto& named = handlers_[component];
  if (handler.empty()) {
    named.erase(name);
  } else {
    named[name] = handler;
  }
  modified_ = true;
  if (OnChange) OnChange(root_.get());
}

}  // namespace designer
