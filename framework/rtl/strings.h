// Lists of strings as the platform's components use them: the abstract TStrings with its
// text forms (Text, CommaText, DelimitedText, Name=Value pairs) and the TStringList store.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class TObject;  // the component model's root class; lists only hold pointers to it
class TStream;

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// The interface and every operation that can be built from it. Index errors raise
// EListError "List index out of bounds (<i>)".
class TStrings {
 public:
  TStrings() = default;
  virtual ~TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  // ---- storage, provided by the concrete list ----
  virtual int Count() const = 0;
  virtual std::string Strings(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual TObject* Objects(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // ---- list operations ----
  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  void AddStrings(const TStrings& other);
  // Replaces the contents with a copy of other's strings and objects.
  void Assign(const TStrings& other);
  bool Equals(const TStrings& other) const;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);
  // -1 when missing; compared as CompareStrings does (without case by default).
  virtual int IndexOf(const std::string& s) const;
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(const TObject* object) const;

  // ---- text forms ----
  // Every line followed by LineBreak ("\n" unless changed), so that a list whose last line
  // is empty keeps it. Setting splits at "\r\n", "\n" or "\r"; a final line break does not
  // start another line.
  std::string Text() const;
  virtual void SetText(std::string_view text);
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(std::string lineBreak) { lineBreak_ = std::move(lineBreak); }

  // Items separated by Delimiter. An item that is empty (as the only item) or contains the
  // delimiter, the quote character or a character up to the blank (only the line breaks
  // with StrictDelimiter) is written in QuoteChar with inner quote characters doubled.
  // Reading: quoted items are unquoted; without StrictDelimiter blanks separate too.
  std::string DelimitedText() const;
  void SetDelimitedText(std::string_view text);
  // DelimitedText with ',' and '"', without StrictDelimiter, whatever the properties say.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char c) { quoteChar_ = c; }
  bool StrictDelimiter() const { return strictDelimiter_; }
  void SetStrictDelimiter(bool strict) { strictDelimiter_ = strict; }

  // Name=Value items. Names(i) is "" for an item without the separator. Setting a value to
  // "" deletes the item; setting an unknown name appends "name=value".
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  std::string Values(const std::string& name) const;
  void SetValues(const std::string& name, const std::string& value);
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }

  // ---- files and streams (UTF-8; a UTF-8 byte order mark is skipped when reading) ----
  // Loading reads from the stream's position to its end; saving writes Text at the
  // position. A file or stream that cannot be opened or read leaves the list unchanged.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // ---- change notification ----
  // Between the outermost BeginUpdate and EndUpdate the list reports one change.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // ---- comparison ----
  bool CaseSensitive() const { return caseSensitive_; }
  virtual void SetCaseSensitive(bool value) { caseSensitive_ = value; }
  // <0, 0, >0. Without CaseSensitive, ASCII letters compare without case.
  virtual int CompareStrings(std::string_view a, std::string_view b) const;

 protected:
  // Called when the outermost update begins (true) and ends (false).
  virtual void SetUpdateState(bool /*updating*/) {}
  [[noreturn]] static void IndexError(int index);
  void CheckIndex(int index) const;

 private:
  std::string FormatDelimited(char delimiter, char quote, bool strict) const;
  void ParseDelimited(std::string_view text, char delimiter, char quote, bool strict);

  int updateCount_ = 0;
  bool caseSensitive_ = false;
  bool strictDelimiter_ = false;
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
  std::string lineBreak_ = "\n";
};

// The string list: strings with an object pointer each (not owned), optionally kept sorted.
class TStringList : public TStrings {
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Strings(int index) const override;
  void Put(int index, const std::string& s) override;
  TObject* Objects(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  // Sorted: inserted at its place; a duplicate is ignored (returns the existing index),
  // accepted (after its equals) or refused with EListError, as Duplicates says.
  int Add(const std::string& s) override;
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;
  int IndexOf(const std::string& s) const override;
  void SetCaseSensitive(bool value) override;

  // Binary search of a sorted list: true with the index of the first equal string, or false
  // with the index where s would be inserted.
  bool Find(const std::string& s, int& index) const;
  // Stable sort by CompareStrings, or by compare(list, i, j) returning <0, 0, >0.
  void Sort();
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }

  // Change hooks, plain callbacks until the component model's event type replaces them.
  // OnChanging runs before and OnChange after every change outside BeginUpdate/EndUpdate.
  std::function<void()> OnChange;
  std::function<void()> OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  void Changing();
  void Changed();

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  void InsertItem(int index, const std::string& s, TObject* object);
  [[noreturn]] static void SortedListError();

  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

}  // namespace fw
