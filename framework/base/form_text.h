// The text form format: components, their published properties and their nesting, written
// and read back through the class registry.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/base/component.h"
#include "framework/base/registry.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/streams.h"

// A form reads:
//   object Form1: TMyForm
//     Caption = 'Total: '#9'100'
//     Font.Size = 10
//     Options = [goRowSelect, goColSizing]
//     Items.Strings = (
//       'first'
//       'second')
//     OnClick = Form1Click
//     object Button1: TMyButton
//       Left = 8
//     end
//   end
// Values: integers (decimal, or $hex), doubles ("." decimal point, exponents; Inf, -Inf,
// NaN), True/False, strings in single quotes ('' for a quote, #nn or #$hh for a character
// code, parts joined directly or with "+"), colours by name or $00BBGGRR, enumerations by
// value name, sets as [a, b], characters as one-character strings, string lists in ( ).
// Names are compared without regard to ASCII case. Events name a handler that the reader
// passes to a binding callback.
//
// Nesting: every object in the form is owned by the root. A nested object is also handed to
// SetParentComponent of the object it is nested in (the root included); the writer nests
// each owned component under its GetParentComponent() (the root when that is nullptr or
// outside the form).

namespace fw {

// A form that cannot be read; Line() is the 1-based line where reading stopped.
// (A kind of stream read error, so a caller catching EReadError sees it too.)
class EFormReadError : public EReadError {
 public:
  EFormReadError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

// A component that cannot be written (unregistered class, value out of its range).
class EFormWriteError : public EWriteError {
 public:
  using EWriteError::EWriteError;
};

struct FormReadOptions {
  // Called for each "OnEvent = Handler" line of a registered event; without it such lines
  // are checked and skipped.
  std::function<void(TComponent* component, const std::string& event, const std::string& handler)>
      bindEvent;
};

// Creates the root object of the form and everything in it. The caller owns the result.
// While reading, every created component has csLoading and csReading set; after the whole
// text is read csReading is cleared and Loaded() is called on each, in creation order.
// Raises EFormReadError (with the line) for malformed text, unknown classes or properties, bad
// values and errors raised by setters; nothing created is left behind then.
std::unique_ptr<TComponent> ReadForm(const std::string& text, const FormReadOptions& options = {});

// The same, reading into an existing root (a form loading itself): the root's class must
// be the class the text names or descend from it. On error the components created so far
// are deleted and the root's loading state is cleared; properties already set stay set.
void ReadFormInto(TComponent& root, const std::string& text, const FormReadOptions& options = {});

// The form text of `root` and the components it owns: each stored property whose value
// differs from its stored default (always-stored ones always). Sets csWriting on each
// component while writing it. Raises EFormWriteError for an unregistered class.
std::string WriteForm(TComponent& root);

// The text of one property value as the writer puts it after "Name = ".
std::string PropertyValueText(const PropertyRecord& property, const PropertyValue& value);

}  // namespace fw
