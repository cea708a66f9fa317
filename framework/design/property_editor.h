// Property editors: what an object inspector uses to show and change one published property
// of a component. The inspector asks the editor for its attributes (a value list, a dialog,
// sub-properties), shows GetValue, hands typed text to SetValue and calls Edit for the
// ellipsis button. One editor class per kind of property; design-time packages add their own
// for single properties (framework/design/property_editor_registry.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/base/registry.h"
#include "framework/base/set.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// A value an editor cannot take (text that is no valid value, a value the component
// refuses). The property keeps its old value.
class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

enum TPropertyAttribute : uint8_t {
  paValueList,      // GetValues gives the values to choose from
  paSubProperties,  // GetProperties gives editors of the parts (set elements, a font's fields)
  paDialog,         // Edit opens a dialog (the inspector shows an ellipsis button)
  paMultiSelect,    // may be edited for several selected components at once
  paAutoUpdate,     // SetValue after each keystroke
  paSortList,       // the value list is shown sorted
  paReadOnly,       // the text cannot be typed over
  paRevertable,     // may be reset to its inherited value
};
using TPropertyAttributes = Set<TPropertyAttribute>;

// What the host offers the editors: the form being designed and a way to say it changed.
class TDesigner {
 public:
  virtual ~TDesigner() = default;
  // The form whose components component-reference editors list.
  virtual TComponent* Root() const = 0;
  // A property was changed through an editor.
  virtual void Modified() = 0;
};

class TPropertyEditor {
 public:
  // `instance` holds the property (a component, or a nested object such as its Font). The
  // designer may be nullptr (no host to notify).
  TPropertyEditor(TDesigner* designer, TPersistent* instance, const PropertyRecord& property);
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  virtual TPropertyAttributes GetAttributes() const;
  // The value as the inspector shows it.
  virtual std::string GetValue() const = 0;
  // Sets the property from text; raises EPropertyError, the property unchanged, when the text
  // is no valid value or the component refuses it.
  virtual void SetValue(const std::string& text);
  // The values to choose from (paValueList).
  virtual std::vector<std::string> GetValues() const { return {}; }
  // Editors of the parts (paSubProperties).
  virtual std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const { return {}; }
  // The dialog behind the ellipsis button (paDialog); nothing by default.
  virtual void Edit() {}
  // The name the inspector shows.
  virtual std::string GetName() const { return property_->name; }

  TPersistent* GetComponent() const { return instance_; }
  const PropertyRecord& Property() const { return *property_; }
  TDesigner* Designer() const { return designer_; }

  // The string value of a String property.
  std::string GetStrValue() const;
  void SetStrValue(const std::string& value);

 protected:
  PropertyValue GetPropValue() const;
  // Stores the value through the property's setter and tells the designer; a refusal by the
  // component (an exception from the setter) becomes EPropertyError.
  void SetPropValue(const PropertyValue& value);
  [[noreturn]] void InvalidValue(const std::string& text) const;

 private:
  TDesigner* designer_;
  TPersistent* instance_;
  const PropertyRecord* property_;
};

// The editors of the property kinds.

class TIntegerProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
};

class TFloatProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
};

class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
};

// One character, typed as itself or as #code.
class TCharProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
};

// Enumerations and booleans: one of the value names.
class TEnumProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
  std::vector<std::string> GetValues() const override;
};

// A set: shown as [a,b]; each element is a True/False sub-property.
class TSetProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
  std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const override;
};

// One element of a set (made by TSetProperty).
class TSetElementProperty : public TPropertyEditor {
 public:
  TSetElementProperty(TDesigner* designer, TPersistent* instance, const PropertyRecord& property,
                      int element);
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
  std::vector<std::string> GetValues() const override;
  std::string GetName() const override;

 private:
  int element_;
};

// A colour: a constant name or $00BBGGRR; the dialog is the colour dialog.
class TColorProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
  std::vector<std::string> GetValues() const override;
  void Edit() override;
};

// A nested object (a font, a pen): "(TFont)"; its properties are the sub-properties.
class TClassProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const override;
};

// A list of text lines: "(TStrings)"; the dialog edits the lines one per row of a memo.
class TStringListProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void Edit() override;
};

// Another component of the form, chosen by name ("" for none).
class TComponentProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& text) override;
  std::vector<std::string> GetValues() const override;
};

// Bytes such as a picture: shown as their size, not typed.
class TBinaryProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
};

}  // namespace fw
