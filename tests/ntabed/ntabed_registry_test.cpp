// The class records of the table editor and the popup menu, and reading an editor from form
// text.
#include <gtest/gtest.h>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "ntabed/ZEB_ntabed.h"

namespace {

TEST(NTabEdClass, RecordsAgreeWithTheClasses) {
  for (const char* name : {"TNTabEd", "TPopupMenu", "TMenuItem"})
    for (const std::string& problem : fw::testing::CheckRegisteredClass(name))
      ADD_FAILURE() << name << ": " << problem;
}

TEST(NTabEdClass, ReadsFromFormText) {
  fw::TestHost host;
  zeb::TNTabEd ed(nullptr);
  fw::ReadFormInto(ed,
                   "object T: TNTabEd\n NrOfColumns = 6\n NrOfRows = 12\n"
                   " AttribRowVisible = False\n AttribColVisible = True\n"
                   " AutoAdvanceDir = orRight\n NumWidth = 4\n VRangeHigh = 50.5\n"
                   " EmptyMessage = 'no data|yet'\n ColorMarkedA = clLime\n"
                   " Comment = 'run 3'\n DataReadOnly = True\nend\n");
  EXPECT_EQ(ed.NrOfColumns(), 6);
  EXPECT_EQ(ed.NrOfRows(), 12);
  EXPECT_EQ(ed.ColCount(), 7);
  EXPECT_EQ(ed.RowCount(), 14);
  EXPECT_EQ(ed.AutoAdvanceDir(), zeb::orRight);
  EXPECT_EQ(ed.NumWidth(), 4);
  EXPECT_EQ(ed.VRangeHigh(), 50.5);
  EXPECT_EQ(ed.EmptyMessage(), "no data|yet");
  EXPECT_EQ(ed.ColorMarkedA(), fw::clLime);
  EXPECT_EQ(ed.Comment(), "run 3");
  EXPECT_TRUE(ed.DataReadOnly());
  EXPECT_EQ(ed.GetDecPlaces(6), 3);
}

}  // namespace
