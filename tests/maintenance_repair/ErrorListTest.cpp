#include <gtest/gtest.h>

#include <map>
#include <string>

#include "maintenance/repair/ErrorList.h"
#include "maintenance/repair/ErrorRows.h"

namespace maintenance {
namespace {

TEST(ErrorListTest, KeepsTheFirstTwoHundredAndDropsTheRest) {
  ErrorList list;
  for (int i = 0; i < kErrorListCapacity + 3; ++i) AddError(list, i, 512, 612, "");
  EXPECT_EQ(list.count, kErrorListCapacity);
  EXPECT_EQ(list.records[kErrorListCapacity - 1].appIndex, kErrorListCapacity - 1);
}

TEST(ErrorListTest, RecordsEveryField) {
  ErrorList list;
  AddError(list, 3, ErrHtmlHelp, DescriptionId(ErrHtmlHelp), "http://exemple/aide");
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(list.records[0].appIndex, 3);
  EXPECT_EQ(list.records[0].titleId, 506);
  EXPECT_EQ(list.records[0].textId, 606);
  EXPECT_EQ(list.records[0].link, "http://exemple/aide");
}

const StringLookup kStrings = [](int id) {
  static const std::map<int, std::string> table = {
      {500, "Fichier de configuration non trouv\xE9"},
      {114, "%1!d! erreur(s) d\xE9tect\xE9" "e(s)."},
  };
  const auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
};

TEST(ErrorRowsTest, RowNamesTheApplicationInBracketsWhenThereIsOne) {
  AppTable table;
  ErrorRecord error{1, 500, 600, ""};
  EXPECT_EQ(ErrorRowText(table, ErrorRecord{0, 500, 600, ""}, kStrings),
            "Fichier de configuration non trouv\xE9");
  table.records[0].displayName = "Outil 2.0";
  table.records[1].displayName = "Colorohm 2.0";
  table.count = 2;
  EXPECT_EQ(ErrorRowText(table, error, kStrings),
            "[Colorohm 2.0] : Fichier de configuration non trouv\xE9");
}

TEST(ErrorRowsTest, CountFillsStringOneHundredFourteen) {
  EXPECT_EQ(ErrorCountText(kStrings, 3), "3 erreur(s) d\xE9tect\xE9" "e(s).");
  EXPECT_EQ(ErrorCountText(kStrings, 200), "200 erreur(s) d\xE9tect\xE9" "e(s).");
}

} // namespace
} // namespace maintenance
