// TStringList as a store: indexing and its errors, objects travelling with their strings,
// sorted insertion, duplicate rules, case sensitivity and change notification.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/strings.h"

namespace {

using namespace fw;

// Distinct object pointers; the list never dereferences them.
TObject* Tag(int i) {
  static char tags[16];
  return reinterpret_cast<TObject*>(&tags[i]);
}

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

using Lines = std::vector<std::string>;

TEST(StringList, AddInsertDeleteKeepOrder) {
  TStringList list;
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.Add("d"), 1);
  list.Insert(0, "a");
  list.Insert(2, "c");
  list.Insert(4, "e");
  EXPECT_EQ(Items(list), (Lines{"a", "b", "c", "d", "e"}));
  list.Delete(2);
  list.Put(0, "A");
  EXPECT_EQ(Items(list), (Lines{"A", "b", "d", "e"}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexErrorsNameTheIndex) {
  TStringList list;
  list.Add("only");
  struct Case {
    const char* what;
    std::function<void()> call;
    int index;
  } cases[] = {
      {"Strings(-1)", [&] { list.Strings(-1); }, -1},
      {"Strings(1)", [&] { list.Strings(1); }, 1},
      {"Put(3)", [&] { list.Put(3, "x"); }, 3},
      {"Objects(1)", [&] { list.Objects(1); }, 1},
      {"Delete(1)", [&] { list.Delete(1); }, 1},
      {"Insert(2)", [&] { list.Insert(2, "x"); }, 2},
      {"Exchange(0, 7)", [&] { list.Exchange(0, 7); }, 7},
      {"Move(5, 0)", [&] { list.Move(5, 0); }, 5},
      {"Names(9)", [&] { list.Names(9); }, 9},
  };
  for (const auto& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what;
    } catch (const EListError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(c.index) + ")")
          << c.what;
    }
  }
  EXPECT_EQ(Items(list), (Lines{"only"}));
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TStringList list;
  list.AddObject("c", Tag(3));
  list.AddObject("a", Tag(1));
  list.AddObject("b", Tag(2));
  list.Exchange(0, 2);  // b a c
  list.Move(2, 0);      // c b a
  EXPECT_EQ(Items(list), (Lines{"c", "b", "a"}));
  EXPECT_EQ(list.Objects(0), Tag(3));
  EXPECT_EQ(list.Objects(2), Tag(1));
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (Lines{"a", "b", "c"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Objects(i), Tag(i + 1));
  EXPECT_EQ(list.IndexOfObject(Tag(2)), 1);
  list.Delete(0);
  EXPECT_EQ(list.Objects(0), Tag(2));
}

TEST(StringList, SortedListInsertsInPlaceWithoutCase) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "banana", "Cherry", "apricot", "Fig2"}) list.Add(s);
  EXPECT_EQ(Items(list), (Lines{"Apple", "apricot", "banana", "Cherry", "fig", "Fig2", "pear"}));
  EXPECT_EQ(list.IndexOf("CHERRY"), 3);
  EXPECT_EQ(list.IndexOf("kiwi"), -1);
  int index = -1;
  EXPECT_FALSE(list.Find("coconut", index));
  EXPECT_EQ(index, 4);
  EXPECT_THROW(list.Insert(0, "x"), EListError);
  EXPECT_THROW(list.Put(0, "x"), EListError);
  EXPECT_THROW(list.Move(0, 1), EListError);
}

TEST(StringList, DuplicatesFollowTheRule) {
  struct Case {
    TDuplicates rule;
    Lines expected;
    bool raises;
  } cases[] = {{dupIgnore, {"a", "B", "c"}, false},
               {dupAccept, {"a", "A", "B", "b", "c"}, false},
               {dupError, {"a", "B", "c"}, true}};
  for (const auto& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.rule);
    bool raised = false;
    for (const char* s : {"c", "a", "B", "A", "b"}) {
      try {
        list.Add(s);
      } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "String list does not allow duplicates");
        raised = true;
      }
    }
    EXPECT_EQ(Items(list), c.expected) << c.rule;
    EXPECT_EQ(raised, c.raises) << c.rule;
  }
  // An ignored duplicate reports the index of the string already there.
  TStringList list;
  list.SetSorted(true);
  list.Add("x");
  list.Add("y");
  EXPECT_EQ(list.Add("Y"), 1);
  // Unsorted lists take duplicates whatever the rule.
  TStringList plain;
  plain.SetDuplicates(dupError);
  plain.Add("same");
  EXPECT_NO_THROW(plain.Add("same"));
}

TEST(StringList, CaseSensitivityChangesSearchAndOrder) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  for (const char* s : {"b", "a", "B", "A"}) list.Add(s);
  EXPECT_EQ(Items(list), (Lines{"a", "A", "b", "B"}));
  list.SetCaseSensitive(true);
  EXPECT_EQ(Items(list), (Lines{"A", "B", "a", "b"}));
  EXPECT_EQ(list.IndexOf("a"), 2);
  TStringList plain;
  plain.Add("Hello");
  EXPECT_EQ(plain.IndexOf("HELLO"), 0);
  plain.SetCaseSensitive(true);
  EXPECT_EQ(plain.IndexOf("HELLO"), -1);
}

TEST(StringList, CustomSortIsStable) {
  TStringList list;
  for (const char* s : {"ccc", "a", "bb", "x", "yy", "b"}) list.Add(s);
  list.CustomSort([](const TStringList& l, int i, int j) {
    return static_cast<int>(l.Strings(i).size()) - static_cast<int>(l.Strings(j).size());
  });
  EXPECT_EQ(Items(list), (Lines{"a", "x", "b", "bb", "yy", "ccc"}));
}

TEST(StringList, ChangeHooksFireAroundEachChangeOrOncePerUpdate) {
  TStringList list;
  std::string log;
  list.OnChanging = [&] { log += "<"; };
  list.OnChange = [&] { log += ">"; };
  list.Add("a");
  list.Put(0, "b");
  list.Delete(0);
  EXPECT_EQ(log, "<><><>");
  log.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  for (int i = 0; i < 10; ++i) list.Add("x");
  list.EndUpdate();
  EXPECT_EQ(log, "<");
  list.EndUpdate();
  EXPECT_EQ(log, "<>");
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(list.UpdateCount(), 0);
  log.clear();
  list.SetText("1\n2\n3\n");
  EXPECT_EQ(log, "<>");
  log.clear();
  EXPECT_THROW(list.Delete(99), EListError);
  EXPECT_EQ(log, "");
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText("Width=10\nplain\nColor=clRed\nEmpty=\n=nameless\n");
  EXPECT_EQ(list.Names(0), "Width");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.ValueFromIndex(2), "clRed");
  EXPECT_EQ(list.Values("color"), "clRed");
  EXPECT_EQ(list.Values("Empty"), "");
  EXPECT_EQ(list.Values("missing"), "");
  EXPECT_EQ(list.IndexOfName("EMPTY"), 3);
  list.SetValues("width", "20");
  EXPECT_EQ(list.Strings(0), "width=20");
  list.SetValues("Height", "5");
  EXPECT_EQ(list.Strings(list.Count() - 1), "Height=5");
  list.SetValues("Color", "");
  EXPECT_EQ(list.IndexOfName("Color"), -1);
  list.SetNameValueSeparator(':');
  list.Add("key:value");
  EXPECT_EQ(list.Values("KEY"), "value");
}

TEST(StringList, AssignAndAddStringsCopyIncludingSelf) {
  TStringList a;
  a.AddObject("one", Tag(1));
  a.Add("two");
  a.AddStrings(a);
  EXPECT_EQ(Items(a), (Lines{"one", "two", "one", "two"}));
  EXPECT_EQ(a.Objects(2), Tag(1));
  TStringList b;
  b.Add("old");
  b.Assign(a);
  EXPECT_TRUE(b.Equals(a));
  b.Assign(b);
  EXPECT_EQ(b.Count(), 4);
}

}  // namespace
