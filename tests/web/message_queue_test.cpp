#include "web/engine/message_queue.h"

#include <gtest/gtest.h>

#include <array>

namespace ravlo {
namespace {

TEST(MessageQueue, KeepsTheOrderAndEmptiesOnTaking) {
  MessageQueue q;
  q.status("s");
  EXPECT_EQ(q.box("c", "t", BoxButtons::YesNo, BoxIcon::None), BoxAnswer::Yes);
  q.smallMessage("m", "mc", 700);
  q.beep();
  q.setRate(3);
  q.setVolume(40);
  EXPECT_EQ(q.speak("かな"), VoiceResult::Spoken);
  q.window("SettingsDialog");
  const std::vector<WebMessage> m = q.take();
  ASSERT_EQ(m.size(), 6u);
  using K = WebMessage::Kind;
  EXPECT_EQ((std::array{m[0].kind, m[1].kind, m[2].kind, m[3].kind, m[4].kind, m[5].kind}),
            (std::array{K::Status, K::Box, K::Small, K::Beep, K::Speak, K::Window}));
  EXPECT_EQ(m[1].caption, "c");
  EXPECT_EQ(m[1].number, static_cast<int>(BoxButtons::YesNo));
  EXPECT_EQ(m[2].number, 700);
  EXPECT_EQ((std::array{m[4].number, m[4].volume}), (std::array{3, 40}));
  EXPECT_EQ(m[5].text, "SettingsDialog");
  EXPECT_TRUE(q.take().empty());
}

}  // namespace
}  // namespace ravlo
