// ItemText on a window loaded by the form runtime on the headless platform.
#include <gtest/gtest.h>

#include <string>

#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "form_test_fixture.h"
#include "values_test_platform.h"

namespace veltrane::runtime::testing_form {
namespace {

using ValuesOnForm = FormTest;

TEST_F(ValuesOnForm, ItemTextGivesTheItemOrTheEmptyText) {
  EXPECT_EQ(ops::ItemText(kWindow, kCombo, 0).view(), "") << "window not loaded yet";
  Load();
  struct Case {
    WindowId window;
    ControlId control;
    int index;
    const char* want;
  };
  const Case cases[] = {
      {kWindow, kCombo, 0, "item0"},
      {kWindow, kCombo, 7, "item7"},
      {kWindow, kCombo, 8, ""},
      {kWindow, kCombo, -1, ""},
      {kWindow, kPastEndCombo, 2, "item2"},
      {kWindow, kButton, 0, ""},
      {kWindow, 0x1601FFFF, 0, ""},
      {kSecondWindow, kCombo, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ops::ItemText(c.window, c.control, c.index).view(), c.want)
        << std::hex << c.control << " item " << std::dec << c.index;
  }
  // Only a combo-box reference names a box.
  CommandArg args[] = {IntArg(static_cast<std::int32_t>(kWindow)), IntArg(0)};
  EXPECT_EQ(test_support::TakeText(CallCommand(ValueOp::ItemText, 2, args)), "");
}

}  // namespace
}  // namespace veltrane::runtime::testing_form
