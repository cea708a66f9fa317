// The row editing form: column formats read into lines, the dialog's layout and controls, the
// modal answers (OK, Cancel, Enter, Escape, the caller's form), write-back of changed lines
// only, clean removal of every created control, and the date/time picture reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/text_engine.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/date_time_picker.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "numio/ZEB_NumIO.h"
#include "replist/ZEB_replist.h"

namespace zeb {
namespace {

TEST(RowEditFormat, ReadsTypeWidthAndRest) {
  struct Case {
    const char* format;
    bool readOnly;
    char code;
    int width, dropDown;
    const char* picture;
    const char* rest;
  };
  const std::vector<Case> cases{
      {"[s]", false, 's', 200, 0, "", ""},
      {"[#i][80]rix3", true, 'i', 80, 0, "", "rix3"},
      {"[l][120]red|green|blue", false, 'l', 120, 0, "", "red|green|blue"},
      {"[ddd.MM.yyyy]", false, 'd', 200, 0, "dd.MM.yyyy", ""},
      {"[c:5]a|b", false, 'c', 200, 5, "", "a|b"},
      {"plain text", false, 's', 200, 0, "", "plain text"},  // no type group: a text field
      {"[f][ -3]1.5", false, 'f', 200, 0, "", "1.5"},        // below 1: 200
      {"[e][ +17x]", false, 'e', 17, 0, "", ""},
      {"[q][50]", false, 'q', 50, 0, "", ""},
      {"[#]", true, '\0', 200, 0, "", ""},
  };
  for (const Case& c : cases) {
    const TEditLineFormat line = ParseEditLineFormat(c.format);
    EXPECT_EQ(line.readOnly, c.readOnly) << c.format;
    EXPECT_EQ(line.code, c.code) << c.format;
    EXPECT_EQ(line.width, c.width) << c.format;
    EXPECT_EQ(line.dropDownCount, c.dropDown) << c.format;
    EXPECT_EQ(line.picture, c.picture) << c.format;
    EXPECT_EQ(line.rest, c.rest) << c.format;
  }
  EXPECT_EQ(SplitEditItems("a|b"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitEditItems("a||b|"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(RowEditPicture, ReadsPicturesAndReportsEveryError) {
  fw::FormatSettings.TwoDigitYearCenturyWindow = 50;
  const int year = fw::CurrentYear();
  struct Case {
    const char* text;
    const char* picture;
    double value;
    int error;
  };
  const std::vector<Case> cases{
      {"07.03.2024", "dd.MM.yyyy", fw::EncodeDate(2024, 3, 7), 0},
      {"3 pm", "h tt", fw::EncodeTime(15, 0, 0, 0), 0},
      {"12 am", "h tt", 0, 0},
      {"12 pm", "h tt", fw::EncodeTime(12, 0, 0, 0), 0},
      {"11 P", "hh t", fw::EncodeTime(23, 0, 0, 0), 0},
      {"7:05", "H:mm", fw::EncodeTime(7, 5, 0, 0), 0},
      {"March 7, 2024", "MMMM d, yyyy", fw::EncodeDate(2024, 3, 7), 0},
      {"mar 7 2024", "MMM d yyyy", fw::EncodeDate(2024, 3, 7), 0},
      {"Thursday 7/3/2024", "dddd d/M/yyyy", fw::EncodeDate(2024, 3, 7), 0},
      {"Thu 'x' 2024-03-07 10:20:30", "ddd '''x''' yyyy-MM-dd HH:mm:ss",
       fw::EncodeDateTime(2024, 3, 7, 10, 20, 30, 0), 0},
      {"x", "yyy", 0, -2},
      {"07-03-2024", "dd.MM.yyyy", 0, -1},
      {"7a.03.2024", "dd.MM.yyyy", 0, -3},
      {"07.03.20x4", "dd.MM.yyyy", 0, -3},
      {"Maz 7", "MMM d", 0, -3},
      {"Someday", "dddd", 0, -3},
      {"31.02.2024", "dd.MM.yyyy", 0, -4},  // no such day
      {"25:00", "HH:mm", 0, -4},            // no such hour
      {"07.03", "dd.MM", 0, -4},            // a date without a year
  };
  for (const Case& c : cases) {
    int error = 99;
    const double value = ParseDateTimeWithPicture(c.text, c.picture, error);
    EXPECT_EQ(error, c.error) << c.text << " / " << c.picture;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text << " / " << c.picture;
  }
  // Two-digit years fall inside the century window around the current year.
  int error = 0;
  const double recent =
      ParseDateTimeWithPicture("01.01." + std::to_string((year - 1) % 100), "dd.MM.yy", error);
  EXPECT_EQ(recent, fw::EncodeDate(year - 1, 1, 1));
  const double old = ParseDateTimeWithPicture(
      "01.01." + std::to_string((year - 49) % 100 + 100).substr(1), "dd.MM.yy", error);
  EXPECT_EQ(old, fw::EncodeDate(year - 49, 1, 1));
}

// The four-column list of the row editing form: a text field, a read-only row number, a
// list and a date.
struct RowEditFixture {
  fw::TestHost host{500, 400};
  TReportListView* view = new TReportListView(host.Form());
  RowEditFixture() {
    view->SetParent(host.Form());
    view->SetBounds(0, 0, 400, 300);
    view->Font()->SetName(fw::kBuiltinFontName);
    view->SetNrCols(4);
    view->SetNrRows(8);
    const std::vector<std::string> names{"Name", "Number", "Colour", "Date"};
    const std::vector<std::string> formats{"[s]", "[#i][80]rix3", "[l][120]red|green|blue",
                                           "[ddd.MM.yyyy]"};
    for (int c = 1; c <= 4; ++c) {
      view->SetColName(c, names[static_cast<size_t>(c - 1)]);
      view->SetColumnFormat(c, formats[static_cast<size_t>(c - 1)]);
    }
    view->SetElem(1, 7, "Smith");
    view->SetElem(3, 7, "green");
    view->SetElem(4, 7, "24.12.2023");
    host.Show();
  }
  template <typename T>
  static T* Find(fw::TCustomForm& form, const std::string& name) {
    return dynamic_cast<T*>(form.FindComponent(name));
  }
};

TEST(RowEditForm, BuildsTheFourLinesOfTheExample) {
  RowEditFixture f;
  int labelWidth = 0;
  for (const char* name : {"Name", "Number", "Colour", "Date"})
    labelWidth = std::max(labelWidth, fw::MeasureText(f.view->Font()->Spec(), name).width);
  const int L = labelWidth + 8;
  bool checked = false;
  f.host.OnModal([&](fw::TCustomForm& form) {
    checked = true;
    EXPECT_EQ(form.Caption(), "Editing Row 7");
    EXPECT_EQ(form.BorderStyle(), fw::bsDialog);
    EXPECT_EQ(form.Left(), 30);
    EXPECT_EQ(form.Top(), 40);
    EXPECT_EQ(form.Width(), 200 + L + 28);
    EXPECT_EQ(form.Height(), 4 * 25 + 45 + 38);
    auto* edit = RowEditFixture::Find<fw::TEdit>(form, "runtime_rlre_Edit1");
    auto* number = RowEditFixture::Find<TNumIO>(form, "runtime_rlre_NumIO2");
    auto* list = RowEditFixture::Find<fw::TComboBox>(form, "runtime_rlre_CBox3");
    auto* date = RowEditFixture::Find<fw::TDateTimePicker>(form, "runtime_rlre_DtPick4");
    auto* label = RowEditFixture::Find<fw::TLabel>(form, "runtime_rlre_Label3");
    ASSERT_TRUE(edit && number && list && date && label);
    EXPECT_EQ(edit->BoundsRect(), fw::Bounds(L + 12, 45, 200, edit->Height()));
    EXPECT_EQ(edit->Text(), "Smith");
    EXPECT_EQ(edit->Tag(), 1);
    EXPECT_EQ(number->BoundsRect(), fw::Bounds(L + 12, 70, 80, number->Height()));
    EXPECT_EQ(number->Text(), "007");
    EXPECT_FALSE(number->Enabled());
    EXPECT_EQ(number->Color(), 0xE0E0E0u);
    EXPECT_EQ(number->Font()->Color(), 0x808080u);
    EXPECT_EQ(list->Style(), fw::csDropDownList);
    EXPECT_EQ(list->Width(), 120);
    EXPECT_EQ(list->Text(), "green");
    EXPECT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(date->Format(), "dd.MM.yyyy");
    EXPECT_EQ(date->DateTime(), fw::EncodeDate(2023, 12, 24));
    EXPECT_EQ(label->BoundsRect().Left, 8);
    EXPECT_EQ(label->Top(), 45 + 50 + 3);
    EXPECT_EQ(label->Width(), L);
    EXPECT_EQ(label->Caption(), "Colour:");
    EXPECT_EQ(label->Alignment(), fw::taRightJustify);
    EXPECT_EQ(f.view->RowEditForm(), &form);
  });
  EXPECT_EQ(f.view->EditRowEntries(7, 30, 40), fw::mrCancel);
  EXPECT_TRUE(checked);
  EXPECT_EQ(f.view->RowEditForm(), nullptr);
  EXPECT_EQ(f.view->ComponentCount(), 0) << "the own dialog is gone";
}

TEST(RowEditForm, ButtonsEnterAndEscapeAnswerAndOnlyChangedLinesAreWritten) {
  RowEditFixture f;
  f.view->SetElem(4, 5, "31.02.2024");  // a date that does not exist
  f.view->SetElem(3, 5, "purple");      // not among the items
  struct Case {
    const char* name;
    std::function<void(fw::TCustomForm&)> act;
    int result;
    const char* nameCell;
  };
  auto type = [&](const char* text) {
    return [&f, text](fw::TCustomForm& form) {
      form.FindComponent("runtime_rlre_Edit1");
      f.host.TypeText(text);
    };
  };
  const std::vector<Case> cases{
      {"OK button",
       [&](fw::TCustomForm& form) {
         type("X")(form);
         f.host.Click(form.Width() - 154 - 28 + 40 + 0, 10);
       },
       fw::mrOk, "X"},
      {"Cancel button",
       [&](fw::TCustomForm& form) {
         type("Y")(form);
         f.host.Click(form.Width() - 69 - 28 + 40, 10);
       },
       fw::mrCancel, "X"},
      {"Enter",
       [&](fw::TCustomForm& form) {
         type("Z")(form);
         f.host.KeyPress(U'\r');
       },
       fw::mrOk, "Z"},
      {"Escape",
       [&](fw::TCustomForm& form) {
         type("W")(form);
         f.host.KeyPress(0x1B);
       },
       fw::mrCancel, "Z"},
  };
  for (const Case& c : cases) {
    f.host.OnModal(c.act);
    EXPECT_EQ(f.view->EditRowEntries(5, 0, 0), c.result) << c.name;
    EXPECT_EQ(f.view->GetElem(1, 5), c.nameCell) << c.name;
    // Lines nobody touched keep their cells exactly: the empty number cell, the unreadable
    // date and the colour that is not an item.
    EXPECT_EQ(f.view->GetElem(2, 5), "") << c.name;
    EXPECT_EQ(f.view->GetElem(3, 5), "purple") << c.name;
    EXPECT_EQ(f.view->GetElem(4, 5), "31.02.2024") << c.name;
  }
  // A changed date and list are written back, the date through its picture.
  f.host.OnModal([&](fw::TCustomForm& form) {
    auto* date = RowEditFixture::Find<fw::TDateTimePicker>(form, "runtime_rlre_DtPick4");
    auto* list = RowEditFixture::Find<fw::TComboBox>(form, "runtime_rlre_CBox3");
    date->SetFocus();
    f.host.PressKey(fw::VK_UP);  // the day field
    list->SetFocus();
    f.host.PressKey(fw::VK_DOWN);
    form.SetModalResult(fw::mrOk);
  });
  EXPECT_EQ(f.view->EditRowEntries(7, 0, 0), fw::mrOk);
  EXPECT_EQ(f.view->GetElem(4, 7), "25.12.2023");
  EXPECT_EQ(f.view->GetElem(3, 7), "blue");
}

TEST(RowEditForm, CallerFormGetsControlsOnlyAndKeepsItsSizeWhenLargeEnough) {
  RowEditFixture f;
  fw::TForm caller(nullptr);
  caller.SetBounds(0, 0, 600, 500);
  caller.SetCaption("Mine");
  auto* own = new fw::TEdit(&caller);
  own->SetName("keep");
  own->SetParent(&caller);
  f.host.OnModal([&](fw::TCustomForm& form) {
    EXPECT_EQ(&form, &caller);
    EXPECT_EQ(form.Caption(), "");
    auto* edit = RowEditFixture::Find<fw::TEdit>(form, "runtime_rlre_Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Top(), 0 + 15);
    EXPECT_EQ(RowEditFixture::Find<fw::TLabel>(form, "runtime_rlre_Label1")->Left(), 10 + 8);
    edit->SetFocus();
    f.host.TypeText("Q");
    f.host.KeyPress(U'\r');
  });
  EXPECT_EQ(f.view->EditRowEntries(7, &caller, 10, 15), fw::mrOk);
  EXPECT_EQ(f.view->GetElem(1, 7), "Q") << "focus from the keyboard selects the whole text";
  EXPECT_EQ(caller.Width(), 600);
  EXPECT_EQ(caller.Height(), 500);
  EXPECT_EQ(caller.ComponentCount(), 1) << "only the caller's own control is left";
  EXPECT_EQ(caller.ControlCount(), 1);
  // A small form grows to fit, and the controls go again.
  caller.SetBounds(0, 0, 50, 50);
  f.host.OnModal([](fw::TCustomForm& form) { form.SetModalResult(7); });
  EXPECT_EQ(f.view->EditRowEntries(7, &caller, 0, 0), 7);
  EXPECT_GT(caller.Width(), 200);
  EXPECT_EQ(caller.Height(), 4 * 25 + 38);
  EXPECT_EQ(caller.ComponentCount(), 1);
}

TEST(RowEditForm, RequestEditFormatOddWidthsCountsAndUnknownCodes) {
  RowEditFixture f;
  f.view->SetColumnFormat(2, "[c:5][33]a|b");
  f.view->SetColumnFormat(4, "[z][7]");
  f.view->OnRequestEditFormat = [](fw::TObject*, int col, int, std::string& format) {
    if (col == 1) format = "[l][0]x|y|Smith";
  };
  f.host.OnModal([&](fw::TCustomForm& form) {
    auto* turned = RowEditFixture::Find<fw::TComboBox>(form, "runtime_rlre_CBox1");
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(turned->Width(), 200);
    EXPECT_EQ(turned->Text(), "Smith");
    auto* free = RowEditFixture::Find<fw::TComboBox>(form, "runtime_rlre_CBox2");
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->Style(), fw::csDropDown);
    EXPECT_EQ(free->DropDownCount(), 5);
    EXPECT_EQ(free->Width(), 33);
    EXPECT_EQ(free->Items()->Count(), 2);
    EXPECT_EQ(form.FindComponent("runtime_rlre_Label4") != nullptr, true);
    int made = 0;
    for (int i = 0; i < form.ComponentCount(); ++i)
      if (form.Components(i)->Name().ends_with("4")) ++made;
    EXPECT_EQ(made, 1) << "an unknown code gets its label only";
  });
  f.view->EditRowEntries(7, 0, 0);
  EXPECT_EQ(f.view->GetColumnFormat(1), "[s]") << "the column keeps its format";
}

TEST(RowEditForm, AFailureWhileBuildingLeavesNothingBehind) {
  RowEditFixture f;
  fw::TForm caller(nullptr);
  int asked = 0;
  f.view->OnRequestEditFormat = [&](fw::TObject*, int col, int, std::string&) {
    if (++asked, col == 3) throw fw::Exception("refused");
  };
  EXPECT_THROW(f.view->EditRowEntries(7, &caller, 0, 0), fw::Exception);
  EXPECT_EQ(caller.ComponentCount(), 0);
  EXPECT_EQ(f.view->RowEditForm(), nullptr);
  EXPECT_THROW(f.view->EditRowEntries(7, 0, 0), fw::Exception);
  EXPECT_EQ(f.view->ComponentCount(), 0);
}

TEST(RowEditForm, PasswordDefaultsAreCappedAtTheLongestCell) {
  RowEditFixture f;
  f.view->SetColumnFormat(1, "[s]$pwd$999999");
  f.view->SetElem(1, 2, "");
  f.host.OnModal([&](fw::TCustomForm& form) {
    auto* edit = RowEditFixture::Find<fw::TEdit>(form, "runtime_rlre_Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(fw::Length(edit->Text()), 255);
  });
  f.view->EditRowEntries(2, 0, 0);
}

}  // namespace
}  // namespace zeb
