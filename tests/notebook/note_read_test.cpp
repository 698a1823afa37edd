#include "notebook/model/note_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/model/siki_speaker.h"
#include "app/model/voice.h"

namespace ravlo {
namespace {

class LineVoice final : public CalcVoice {
 public:
  void SikiSpeak(std::string_view text, bool whole) override {
    said.emplace_back(text);
    wholeLines = wholeLines && whole;
  }
  std::vector<std::string> said;
  bool wholeLines = true;
};

class NoteReadTest : public ::testing::Test {
 protected:
  NoteReadTest() { doc.replaceProblems({"3b2+1=1k3b2&1k3b2", "5b3*2=", "2x+3=7&x＝2"}); }
  NoteDoc doc;
  RecordingSink sink;
  LineVoice voice;
  std::vector<int> pauses;
  NoteRead read{doc, sink, voice, [this](int ms) { pauses.push_back(ms); }};
};

TEST_F(NoteReadTest, ReadSelected) {
  EXPECT_FALSE(read.readSelected());
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "ご確認");
  EXPECT_EQ(sink.boxes()[0].text, "左の▼▲をクリックして，読み上げる式を選択してください。");
  EXPECT_TRUE(voice.said.empty());

  doc.SelNo = 2;
  EXPECT_TRUE(read.readSelected());
  EXPECT_EQ(voice.said, std::vector<std::string>{"かっこ2_5b3*2="});
  EXPECT_TRUE(voice.wholeLines);
  EXPECT_TRUE(pauses.empty());
}

TEST_F(NoteReadTest, ReadAllSpeaksEachProblemThenPauses) {
  EXPECT_EQ(read.readAll(), 3);
  EXPECT_EQ(voice.said, (std::vector<std::string>{"Q1_3b2+1=1k3b2&1k3b2", "Q2_5b3*2=",
                                                  "Q3_2x+3=7&x＝2"}));
  EXPECT_EQ(pauses, (std::vector<int>{300, 300, 300}));
  EXPECT_EQ(sink.pollCount(), 3);
  EXPECT_TRUE(sink.empty());
}

TEST_F(NoteReadTest, AnInterruptStopsBeforeTheNextProblem) {
  sink.interruptAfter(1);  // raised while the first problem is read
  EXPECT_EQ(read.readAll(), 1);
  EXPECT_EQ(voice.said, std::vector<std::string>{"Q1_3b2+1=1k3b2&1k3b2"});
  sink.interruptAfter(0);  // held down from the start
  EXPECT_EQ(read.readAll(), 0);
  EXPECT_EQ(voice.said.size(), 1u);
}

TEST_F(NoteReadTest, AnEmptyNotebookSaysNothing) {
  doc.replaceProblems({});
  EXPECT_EQ(read.readAll(), 0);
  EXPECT_EQ(sink.pollCount(), 0);
  EXPECT_TRUE(pauses.empty());
}

TEST(NoteReadSpeaker, TheScreensSpeakerReadsEveryProblem) {
  NoteDoc doc;
  doc.replaceProblems({"1+2=3&3", "3b2="});
  CalcSettings settings;
  RecordingSink sink;
  VoiceRecorder voice;
  SikiSpeaker speaker(settings, sink, voice);
  NoteRead read(doc, sink, speaker, [](int) {});
  EXPECT_EQ(read.readAll(), 2);
  ASSERT_EQ(voice.said.size(), 2u);
  for (const auto& u : voice.said) EXPECT_FALSE(u.text.empty());
  EXPECT_NE(voice.said[0].text, voice.said[1].text);
}

}  // namespace
}  // namespace ravlo
