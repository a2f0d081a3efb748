#include "flow/HeadlessView.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

TEST(HeadlessView, QuestionsAreAnsweredFromTheScriptThenByTheDefault) {
  HeadlessView view;
  view.AnswerQuestions({false, true});
  EXPECT_FALSE(view.AskInGameQuestion("Exchange again?", {120, 80}));
  EXPECT_TRUE(view.AskConfirmation("Full screen?"));
  EXPECT_TRUE(view.AskInGameQuestion("Exit?", {}));
  view.SetDefaultAnswer(false);
  EXPECT_FALSE(view.AskInGameQuestion("Exit?", {}));
  const auto asked = view.CallsNamed(ViewCallName::AskInGameQuestion);
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].args, (QStringList{"Exchange again?", "no", "120,80"}));
  EXPECT_EQ(view.CallsNamed(ViewCallName::AskConfirmation)[0].args,
            (QStringList{"Full screen?", "yes"}));
}

TEST(HeadlessView, ControlsKeepTheirLastStateAndEveryCallIsRecordedInOrder) {
  HeadlessView view;
  EXPECT_TRUE(view.Control(names::MenuGameSave).enabled);
  view.SetControlEnabled(names::MenuGameSave, false);
  view.SetControlCursor(names::InGameButtongGo, ControlCursor::NoEntry);
  view.SetControlCaption("Pl1Label", "Anna");
  view.Pause(700);
  view.FlyTile(12, TileSpot::Bag(3, 4), TileSpot::Rack(1, 2));
  view.Pause(300);
  EXPECT_FALSE(view.Control(names::MenuGameSave).enabled);
  EXPECT_EQ(view.Control(names::InGameButtongGo).cursor, ControlCursor::NoEntry);
  EXPECT_EQ(view.Control("Pl1Label").caption, "Anna");
  EXPECT_EQ(view.PausedMilliseconds(), 1000);
  ASSERT_EQ(view.Calls().size(), 6u);
  EXPECT_EQ(view.Calls()[4].name, ViewCallName::FlyTile);
  EXPECT_EQ(view.Calls()[4].args, (QStringList{"12", "bag 3,4", "rack 1,2"}));
}

}  // namespace
}  // namespace quorim
