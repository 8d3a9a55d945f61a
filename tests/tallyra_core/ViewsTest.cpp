// What the window shows: arrangements, scores and colours, the tree and counts of a load, the
// rows of a node and the record behind a row.

#include "tallyra/core/Arrangement.h"
#include "tallyra/core/Results.h"
#include "tests/support/TempFolder.h"
#include "tests/tallyra_core/DataFiles.h"

#include <gtest/gtest.h>

namespace tallyra {
namespace {

using test::DataText;
using test::MakeRecord;

TEST(Arrangement, GraphMarkIsExactlyTheArrangementsWithTheScoreInColumnTwo) {
  int graphs = 0;
  for (int order = 0; order < kSortOrderCount; ++order) {
    const Arrangement* a = ArrangementOf(order);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->graph, a->column2 == Field::Score) << order;
    graphs += a->graph;
  }
  EXPECT_EQ(graphs, 6);
  EXPECT_EQ(ArrangementOf(12), nullptr);
  EXPECT_EQ(ArrangementOf(-1), nullptr);
  EXPECT_EQ(ColumnHeader(Field::Score, ScoreUnit::OutOf20), "Note /20");
  EXPECT_EQ(ColumnHeader(Field::Score, ScoreUnit::Percent), "Note  %");
  EXPECT_EQ(ColumnHeader(Field::TakenAt, ScoreUnit::Percent), "Date");
}

TEST(Arrangement, ScoresAndColours) {
  const struct {
    int percent;
    ScoreUnit unit;
    const char* shown;
    RowColour colour;
  } cases[] = {
      {79, ScoreUnit::OutOf20, "15", RowColour::Orange}, {75, ScoreUnit::OutOf20, "15", RowColour::Orange},
      {80, ScoreUnit::OutOf20, "16", RowColour::Green},  {50, ScoreUnit::OutOf20, "10", RowColour::Red},
      {51, ScoreUnit::Percent, "51", RowColour::Orange}, {100, ScoreUnit::Percent, "100", RowColour::Green},
      {0, ScoreUnit::OutOf20, "0", RowColour::Red},
  };
  for (const auto& c : cases) {
    const std::string shown = DisplayScore(c.percent, c.unit);
    EXPECT_EQ(shown, c.shown) << c.percent;
    EXPECT_EQ(ColourOfPercent(PercentOf(shown, c.unit)), c.colour) << c.percent;
  }
  EXPECT_EQ(RgbOf(RowColour::Orange), (Rgb{192, 140, 0}));
  EXPECT_EQ(DateOnly("12/05/2004 14:30:00"), "12/05/2004");
  EXPECT_EQ(DateOnly("sansblanc"), "sansblanc");
}

class ViewsTest : public ::testing::Test {
protected:
  void Write(const std::vector<ResultRecord>& records) { test::WriteFile(path_, DataText(records)); }
  // The tree as "first>second" texts in creation order.
  std::vector<std::string> Pairs(const LoadOutcome& load) {
    std::vector<std::string> pairs;
    for (const TreeNode& node : load.tree.Nodes()) {
      pairs.push_back(node.IsFirstLevel() ? node.text
                                          : ">" + node.text);
    }
    return pairs;
  }

  test_support::TempFolder dir_;
  std::string path_ = dir_.File("mt.dat");
};

TEST_F(ViewsTest, NamesDifferingInCaseMergeAndTheFirstKeepsItsCase) {
  Write({MakeRecord("Dupont", "Calcul", 75), MakeRecord("DUPONT ", "calcul", 40),
         MakeRecord("Durand", "", 90), MakeRecord("dupont", "Lecture", 60)});
  const LoadOutcome load = LoadResults(path_, 0, ScoreUnit::OutOf20);
  ASSERT_EQ(load.status, LoadStatus::Ok);
  EXPECT_EQ(load.students, 2);
  EXPECT_EQ(load.quizzes, 3);  // Calcul, "", Lecture
  EXPECT_EQ(Pairs(load), (std::vector<std::string>{"Dupont", ">Calcul", "Durand", "> ", ">Lecture"}));
  EXPECT_EQ(StatusBarText(load.students, load.quizzes),
            "2 \xE9l\xE8ve(s) - 3 questionnaire(s) effectu\xE9(s).");

  const NodeRows rows = ResultRows(path_, 0, ScoreUnit::OutOf20, "DUPONT", "CALCUL");
  ASSERT_EQ(rows.rows.size(), 2u);
  EXPECT_EQ(rows.rows[0].column2, "15");
  EXPECT_EQ(rows.rows[0].colour, RowColour::Orange);
  EXPECT_EQ(rows.rows[1].column2, "8");
  EXPECT_EQ(rows.rows[1].colour, RowColour::Red);
  EXPECT_TRUE(rows.graphEnabled);
  EXPECT_EQ(ResultRows(path_, 0, ScoreUnit::OutOf20, "Durand", " ").rows.size(), 1u);
}

TEST_F(ViewsTest, EachArrangementGroupsByItsLevels) {
  Write({MakeRecord("Dupont", "Calcul", 75, "12/05/2004 14:30:00"),
         MakeRecord("Durand", "Calcul", 80, "12/05/2004 15:00:00")});
  EXPECT_EQ(Pairs(LoadResults(path_, 9, ScoreUnit::OutOf20)),
            (std::vector<std::string>{"12/05/2004", ">Dupont", ">Durand"}));
  EXPECT_EQ(Pairs(LoadResults(path_, 6, ScoreUnit::Percent)),
            (std::vector<std::string>{"75", ">Dupont", "80", ">Durand"}));

  const NodeRows byDate = ResultRows(path_, 11, ScoreUnit::OutOf20, "12/05/2004", "16");
  ASSERT_EQ(byDate.rows.size(), 1u);
  EXPECT_EQ(byDate.rows[0].column1, "Durand");
  EXPECT_EQ(byDate.rows[0].column2, "Calcul");
  EXPECT_EQ(byDate.rows[0].colour, RowColour::None);
  EXPECT_FALSE(byDate.graphEnabled);
}

TEST_F(ViewsTest, FirstLevelNodeHasNoRowsAndRowsByNodeMatchesEachClick) {
  Write({MakeRecord("Dupont", "Calcul", 75), MakeRecord("Durand", "Calcul", 80),
         MakeRecord("Dupont", "Lecture", 30), MakeRecord("DUPONT", "calcul", 100)});
  const LoadOutcome load = LoadResults(path_, 0, ScoreUnit::Percent);
  const NodeRows first = ResultRowsOf(path_, 0, ScoreUnit::Percent, load.tree, 0);
  EXPECT_TRUE(first.rows.empty());
  EXPECT_TRUE(first.anyRecord);
  EXPECT_FALSE(first.graphEnabled);

  const auto all = RowsByNode(path_, 0, ScoreUnit::Percent, load.tree);
  for (std::size_t i = 0; i < load.tree.Nodes().size(); ++i) {
    const NodeRows click = ResultRowsOf(path_, 0, ScoreUnit::Percent, load.tree, static_cast<int>(i));
    ASSERT_EQ(all[i].size(), click.rows.size()) << i;
    for (std::size_t r = 0; r < click.rows.size(); ++r) {
      EXPECT_EQ(all[i][r].column2, click.rows[r].column2);
    }
  }
  EXPECT_EQ(all[1].size(), 2u);  // Dupont > Calcul: 75 and 100, in file order
}

TEST_F(ViewsTest, RecordBeingWrittenIsLeftOutUntilComplete) {
  const std::string whole = DataText({MakeRecord("Dupont", "Calcul", 75), MakeRecord("Durand", "Lecture", 80)});
  test::WriteFile(path_, whole.substr(0, whole.size() - 30));
  LoadOutcome load = LoadResults(path_, 0, ScoreUnit::OutOf20);
  EXPECT_EQ(load.students, 1);
  EXPECT_EQ(load.tree.Nodes().size(), 2u);
  test::WriteFile(path_, whole);
  load = LoadResults(path_, 0, ScoreUnit::OutOf20);
  EXPECT_EQ(load.students, 2);
  EXPECT_EQ(load.tree.Nodes().size(), 4u);
}

TEST_F(ViewsTest, LoadFailuresLeaveTheFileAlone) {
  EXPECT_EQ(LoadResults("", 0, ScoreUnit::OutOf20).status, LoadStatus::NoDataPath);
  EXPECT_EQ(LoadResults(path_, 0, ScoreUnit::OutOf20).status, LoadStatus::CannotOpen);
  test::WriteFile(path_, "2.0\r\n" + test::RecordText(MakeRecord("A", "B", 1)));
  const auto hash = test::FileHash(path_);
  const LoadOutcome tooNew = LoadResults(path_, 0, ScoreUnit::OutOf20);
  EXPECT_EQ(tooNew.status, LoadStatus::TooNew);
  EXPECT_TRUE(tooNew.tree.Nodes().empty());
  EXPECT_EQ(test::FileHash(path_), hash);
}

TEST_F(ViewsTest, ReloadingKeepsTheCounts) {
  Write({MakeRecord("Dupont", "Calcul", 75), MakeRecord("Durand", "Lecture", 80)});
  for (int i = 0; i < 3; ++i) {
    const LoadOutcome load = LoadResults(path_, 0, ScoreUnit::OutOf20);
    EXPECT_EQ(load.students, 2);
    EXPECT_EQ(load.quizzes, 2);
  }
}

TEST_F(ViewsTest, FindResultTakesTheFirstMatchWithItsQuestions) {
  ResultRecord first = MakeRecord("Dupont", "Calcul", 75, "12/05/2004 14:30:00", 3);
  ResultRecord twin = MakeRecord("Dupont", "Calcul", 75, "12/05/2004 14:30:00", 1);
  Write({MakeRecord("Autre", "Calcul", 75), first, twin});
  ResultRecord found;
  // Score, then date: found although the tree holds only the date part of TakenAt.
  ASSERT_TRUE(FindResult(path_, 8, ScoreUnit::OutOf20,
                         {"15", "12/05/2004", " dupont ", "CALCUL"}, found));
  EXPECT_EQ(found.StudentName, "Dupont");
  EXPECT_EQ(found.Questions.size(), 3u);
  EXPECT_FALSE(FindResult(path_, 8, ScoreUnit::OutOf20, {"16", "12/05/2004", "Dupont", "Calcul"}, found));
}

} // namespace
} // namespace tallyra
