#include <gtest/gtest.h>

#include <sstream>

#include "core/message_sink.h"
#include "core/stream_sink.h"

namespace ravlo {

TEST(RecordingSink, ScriptedAnswersThenDefaults) {
  RecordingSink sink;
  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_EQ(sink.box("c", "t", BoxButtons::YesNo, BoxIcon::Question), BoxAnswer::No);
  EXPECT_EQ(sink.box("c", "t", BoxButtons::YesNo, BoxIcon::Question), BoxAnswer::Yes);
  EXPECT_EQ(sink.box("c", "t", BoxButtons::OkCancel, BoxIcon::None), BoxAnswer::Ok);
  EXPECT_EQ(sink.boxes().size(), 3u);
}

TEST(RecordingSink, InterruptAfterCountedPolls) {
  RecordingSink sink;
  EXPECT_FALSE(sink.interruptRequested());
  sink.interruptAfter(2);
  EXPECT_FALSE(sink.interruptRequested());
  EXPECT_FALSE(sink.interruptRequested());
  EXPECT_TRUE(sink.interruptRequested());
  EXPECT_EQ(sink.pollCount(), 4);
}

TEST(RecordingSink, LastStatusSkipsOtherKinds) {
  RecordingSink sink;
  EXPECT_EQ(sink.lastStatus(), "");
  sink.status("one");
  sink.beep();
  sink.smallMessage("$x", "c", 100);
  EXPECT_EQ(sink.lastStatus(), "one");
}

TEST(StreamSink, RecordsAreOneLineWithEscapedBreaks) {
  std::ostringstream out;
  StreamSink sink(out);
  sink.box("警告!!", "(int64StrMaxCheck)\n文字列< 9 >は", BoxButtons::Ok, BoxIcon::Warning);
  sink.status("[4]: 演算記号の連続は不可");
  sink.smallMessage("$ 19ケタ以上は入力不可！", "警告！", 1500);
  sink.smallMessage("$abc|defgh", "c", 10);
  EXPECT_EQ(out.str(),
            "【警告!!】(int64StrMaxCheck)\\n文字列< 9 >は\n"
            "[status] [4]: 演算記号の連続は不可\n"
            "【警告！】 19ケタ以上は入力不可！\n"
            "【c】abc\\ndefgh\n");
}

}  // namespace ravlo
