// Application services: modal forms answered by a script, closing forms, the clipboard,
// beeps, prompts and exception reports.
#include <gtest/gtest.h>

#include "framework/controls/beep.h"
#include "framework/controls/clipboard.h"
#include "framework/controls/screen.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddWin;

TEST(ModalForm, WithoutAScriptShowModalAnswersCancel) {
  TestHost host;
  host.Show();
  TForm dialog(nullptr);
  dialog.SetBounds(0, 0, 50, 50);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(Screen->ActiveForm(), host.Form());
}

TEST(ModalForm, TheScriptClicksAButtonThatSetsTheResult) {
  TestHost host;
  host.Show();
  TForm dialog(nullptr);
  dialog.SetBounds(0, 0, 100, 60);
  test::TProbeWin* ok = AddWin(&dialog, "OK", Bounds(10, 10, 40, 20));
  ok->OnClick = [&](TObject*) { dialog.SetModalResult(mrOk); };
  int scriptRuns = 0;
  int hostClicks = 0;
  test::TProbeWin* behind = AddWin(host.Form(), "Behind", Bounds(0, 0, 100, 100));
  behind->OnClick = [&](TObject*) { ++hostClicks; };
  host.OnModal([&](TCustomForm& form) {
    ++scriptRuns;
    EXPECT_EQ(&form, &dialog);
    EXPECT_EQ(Screen->ActiveForm(), &dialog);  // input goes to the modal form
    EXPECT_TRUE(form.Modal());
    // The form behind is blocked while the dialog runs.
    Application->Input().MouseDown(host.Form(), mbLeft, {}, 20, 20);
    Application->Input().MouseUp(host.Form(), mbLeft, {}, 20, 20);
    host.Click(20, 20);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(scriptRuns, 1);
  EXPECT_EQ(hostClicks, 0);
  host.Click(20, 20);
  EXPECT_EQ(hostClicks, 1);
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(Screen->ActiveForm(), host.Form());
}

TEST(ModalForm, ScriptedResultsAndKeysReachTheDialog) {
  TestHost host;
  host.Show();
  TForm dialog(nullptr);
  dialog.SetBounds(0, 0, 100, 60);
  test::TProbeWin* edit = AddWin(&dialog, "Edit", Bounds(0, 0, 40, 20));
  edit->SetTabStop(true);
  std::u32string typed;
  edit->OnKeyPress = [&](TObject*, char32_t& key) {
    if (key == 13) {
      dialog.SetModalResult(mrOk);
      return;
    }
    typed += key;
  };
  host.OnModal([&](TCustomForm&) {
    host.TypeText("42");
    host.KeyPress(13);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(typed, U"42");
  host.OnModal([](TCustomForm& form) { form.SetModalResult(mrRetry); });
  EXPECT_EQ(dialog.ShowModal(), mrRetry);
  host.OnModal([](TCustomForm& form) { form.Close(); });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(ModalForm, AVisibleFormCannotBeMadeModal) {
  TestHost host;
  host.Show();
  EXPECT_THROW(host.Form()->ShowModal(), EInvalidOperation);
}

TEST(FormClose, CloseQueryMayRefuseAndCloseHidesOtherwise) {
  TestHost host;
  TForm other(nullptr);
  other.SetBounds(0, 0, 10, 10);
  other.Show();
  host.Show();
  bool allow = false;
  int closes = 0;
  other.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
  other.OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  other.Close();
  EXPECT_TRUE(other.Visible());
  allow = true;
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_EQ(closes, 1);
}

// A form that reports its deletion.
struct TWatched : TForm {
  using TForm::TForm;
  bool* flag = nullptr;
  ~TWatched() override { *flag = true; }
};

TEST(FormClose, CaFreeDeletesTheFormFromTheLoop) {
  TestHost host;
  host.Show();
  bool deleted = false;
  auto* form = new TWatched(nullptr);
  form->flag = &deleted;
  form->Show();
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  form->Close();
  EXPECT_FALSE(deleted);
  host.ProcessMessages();
  EXPECT_TRUE(deleted);
}

TEST(FormClose, ReleasedFormsAreDeletedWhenTheHostEnds) {
  bool deleted = false;
  {
    TestHost host;
    auto* form = new TWatched(nullptr);
    form->flag = &deleted;
    form->Release();
  }
  EXPECT_TRUE(deleted);
}

TEST(Clipboard, TextRoundTripsThroughTheBackend) {
  TestHost host;
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->AsText(), "");
  Clipboard()->SetAsText("1.5\t2\r\n\xC3\xA9");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
  EXPECT_EQ(host.ClipboardText(), "1.5\t2\r\n\xC3\xA9");
  host.SetClipboardText("from outside");
  EXPECT_EQ(Clipboard()->AsText(), "from outside");
  Clipboard()->SetAsText("");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));  // empty text is still text
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
}

TEST(Beep, MessageBeepsAreRecordedInOrder) {
  TestHost host;
  MessageBeep(0);
  MessageBeep(0xFFFF);
  MessageBeep(MB_ICONEXCLAMATION);
  EXPECT_EQ(host.BeepLog(), (std::vector<uint32_t>{0, 0xFFFF, MB_ICONEXCLAMATION}));
}

TEST(Prompts, QueuedAnswersServeTheirKindInOrder) {
  TestHost host;
  host.QueueAnswer("popup", TPromptAnswer{true, 2, ""});
  host.QueueAnswer("open-dialog", TPromptAnswer{true, -1, "/tmp/a.csv"});
  host.QueueAnswer("popup", TPromptAnswer{true, 0, ""});
  TBackend& b = CurrentBackend();
  EXPECT_EQ(b.Prompt({"popup", "", {"Copy", "Paste", "Clear"}}).Index, 2);
  EXPECT_EQ(b.Prompt({"open-dialog", "Open", {}}).Text, "/tmp/a.csv");
  EXPECT_EQ(b.Prompt({"popup", "", {"Copy"}}).Index, 0);
  EXPECT_FALSE(b.Prompt({"popup", "", {"Copy"}}).Accepted);  // none left: dismissed
  EXPECT_EQ(host.Prompts().size(), 4u);
  EXPECT_EQ(host.Prompts()[0].Items[1], "Paste");
}

TEST(ExceptionReports, HandleExceptionReportsTheCurrentExceptionOnly) {
  TestHost host;
  std::vector<std::string> seen;
  TObject* sender = nullptr;
  Application->OnException = [&](TObject* s, const std::exception& e) {
    sender = s;
    seen.push_back(e.what());
  };
  Application->HandleException(host.Form());  // nothing being handled: nothing reported
  try {
    throw EConvertError("bad number");
  } catch (...) {
    Application->HandleException(host.Form());
  }
  try {
    throw 42;
  } catch (...) {
    Application->HandleException(nullptr);
  }
  Application->OnException = [](TObject*, const std::exception&) { throw Exception("again"); };
  ::testing::internal::CaptureStderr();
  try {
    throw Exception("first");
  } catch (...) {
    Application->HandleException(nullptr);  // a failing handler does not escape
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "again\n");
  Application->OnException = nullptr;
  EXPECT_EQ(seen, (std::vector<std::string>{"bad number", "Unknown exception"}));
  EXPECT_EQ(sender, nullptr);
}

TEST(ExceptionReports, InputHandlersThatThrowAreReported) {
  TestHost host;
  host.Show();
  test::TProbeWin* c = AddWin(host.Form(), "C", Bounds(0, 0, 20, 20));
  c->OnClick = [](TObject*) { throw Exception("click failed"); };
  std::vector<std::string> seen;
  Application->OnException = [&](TObject*, const std::exception& e) { seen.push_back(e.what()); };
  host.Click(5, 5);
  host.Click(5, 5);
  Application->OnException = nullptr;
  EXPECT_EQ(seen, (std::vector<std::string>{"click failed", "click failed"}));
}

TEST(ApplicationLoop, RunEndsWhenNothingCanHappenAnyMore) {
  TestHost host;
  int ticks = 0;
  HWND wnd = nullptr;
  wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_TIMER && ++ticks == 3) KillTimer(wnd, 1);
  });
  SetTimer(wnd, 1, 1000);
  Application->SetMainForm(host.Form());
  Application->Run();  // headless: waits by advancing the clock to each tick
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(host.Milliseconds(), 3000);
  EXPECT_TRUE(host.Form()->Visible());
  DeallocateHWnd(wnd);
}

}  // namespace
}  // namespace fw
