// The data format: version values, the reader's step and its answers to damaged records.

#include "tallyra/core/RecordReader.h"
#include "tallyra/core/Version.h"
#include "tests/support/TempFolder.h"
#include "tests/tallyra_core/DataFiles.h"

#include <gtest/gtest.h>

namespace tallyra {
namespace {

using test::DataText;
using test::MakeRecord;
using test::RecordText;

TEST(VersionValue, ReadsTheTailAsThousandths) {
  const struct {
    const char* line;
    int value;
  } cases[] = {{"1.4", 1400}, {"1.2", 1200},  {"1.10", 1100}, {"1.25", 1250},
               {"2.0", 2000}, {"Dupont", 0}, {"", 0},        {" 1.4", 1400}};
  for (const auto& c : cases) {
    EXPECT_EQ(VersionValue(c.line), c.value) << c.line;
  }
  EXPECT_TRUE(IsOldFormat(VersionValue("1.10")));
  EXPECT_FALSE(IsOldFormat(VersionValue("1.2")));
  EXPECT_TRUE(IsTooNew(VersionValue("2.0")));
  EXPECT_FALSE(IsTooNew(VersionValue("1.4")));
}

class ReaderTest : public ::testing::Test {
protected:
  // Opens text as a data file.
  RecordReader& Open(const std::string& text) {
    test::WriteFile(path_, text);
    EXPECT_TRUE(reader_.Open(path_));
    return reader_;
  }

  test_support::TempFolder dir_;
  std::string path_ = dir_.File("mt.dat");
  RecordReader reader_;
  ResultRecord record_;
};

TEST_F(ReaderTest, RecordWithOneEntryIsTwentySevenLines) {
  auto& reader = Open(DataText({MakeRecord("Dupont", "Calcul", 75), MakeRecord("Durand", "Lecture", 50)}));
  EXPECT_EQ(reader.Version(), 1400);
  const std::uint64_t start = reader.Offset();
  ASSERT_EQ(reader.Next(record_, QuestionMode::Skip), ReadStatus::Ok);
  const std::string first = RecordText(MakeRecord("Dupont", "Calcul", 75));
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 27);
  EXPECT_EQ(reader.Offset() - start, first.size());
  ASSERT_EQ(reader.Next(record_, QuestionMode::Read), ReadStatus::Ok);
  EXPECT_EQ(record_.StudentName, "Durand");
  EXPECT_EQ(record_.ScorePercent, 50);
  ASSERT_EQ(record_.Questions.size(), 1u);
  EXPECT_EQ(record_.Questions[0].GivenAnswers[0], "non");
  EXPECT_EQ(reader.Next(record_, QuestionMode::Read), ReadStatus::End);
}

TEST_F(ReaderTest, OutOfRangeIndexIsConsumedAndReadingStaysInStep) {
  ResultRecord big = MakeRecord("Gros", "Quiz", 10, "d t", 402);  // index 401
  ResultRecord negative = MakeRecord("Rien", "Quiz", 10, "d t", 0);  // index -1, no entry
  auto& reader = Open(DataText({big, negative, MakeRecord("Suivant", "Quiz", 90)}));
  ASSERT_EQ(reader.Next(record_, QuestionMode::Read), ReadStatus::OutOfRange);
  EXPECT_EQ(record_.LastQuestionIndex, 401);
  EXPECT_TRUE(record_.Questions.empty());
  ASSERT_EQ(reader.Next(record_, QuestionMode::Skip), ReadStatus::OutOfRange);
  EXPECT_EQ(record_.StudentName, "Rien");
  ASSERT_EQ(reader.Next(record_, QuestionMode::Read), ReadStatus::Ok);
  EXPECT_EQ(record_.StudentName, "Suivant");
}

TEST_F(ReaderTest, FileEndingInsideARecordIsTruncated) {
  const std::string whole = DataText({MakeRecord("A", "Q", 1), MakeRecord("B", "Q", 2)});
  const std::string oneRecord = DataText({MakeRecord("A", "Q", 1)});
  // Cut inside the second header, inside its entries, and inside its very last line.
  for (const std::size_t cut : {oneRecord.size() + 20, whole.size() - 40, whole.size() - 3}) {
    auto& reader = Open(whole.substr(0, cut));
    EXPECT_EQ(reader.Next(record_, QuestionMode::Skip), ReadStatus::Ok);
    const ReadStatus second = reader.Next(record_, QuestionMode::Read);
    if (cut == whole.size() - 3) {
      // Only the line end of the last line is missing: the record is whole but unterminated.
      EXPECT_EQ(second, ReadStatus::Ok);
      EXPECT_FALSE(reader.LastLineTerminated());
      EXPECT_EQ(record_.Questions.at(0).EndedAt, "14:30:1");
    } else {
      EXPECT_EQ(second, ReadStatus::Truncated) << cut;
    }
  }
}

TEST_F(ReaderTest, LongTextsAndBareLineFeedsKeepTheStep) {
  ResultRecord record = MakeRecord("Long", "Q", 1, "d t", 3);
  record.Questions[1].QuestionText = std::string(700000, 'x');  // wider than the read buffer
  std::string text = DataText({record, MakeRecord("Apres", "Q", 2)});
  auto& reader = Open(text);
  ASSERT_EQ(reader.Next(record_, QuestionMode::Skip), ReadStatus::Ok);
  ASSERT_EQ(reader.Next(record_, QuestionMode::Skip), ReadStatus::Ok);
  EXPECT_EQ(record_.StudentName, "Apres");

  std::erase(text, '\r');
  auto& again = Open(text);
  ASSERT_EQ(again.Next(record_, QuestionMode::Read), ReadStatus::Ok);
  EXPECT_EQ(record_.Questions[1].QuestionText.size(), 700000u);
  ASSERT_EQ(again.Next(record_, QuestionMode::Read), ReadStatus::Ok);
  EXPECT_EQ(record_.StudentName, "Apres");
}

TEST_F(ReaderTest, NumbersReadAsTheirLeadingValue) {
  std::string text = DataText({MakeRecord("A", "Q", 75)});
  text.replace(text.find(" 75\r\n"), 5, "abc\r\n");
  auto& reader = Open(text);
  ASSERT_EQ(reader.Next(record_, QuestionMode::Read), ReadStatus::Ok);
  EXPECT_EQ(record_.ScorePercent, 0);
}

} // namespace
} // namespace tallyra
