#include "colorohm/sidebar/ColorohmSideBar.h"
#include "colorohm/sidebar/SideBar.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <string>

using colorohm::CColorohmSideBar;
using colorohm::CSideBar;
using colorohm::SideBarItemKind;
using colorohm::SideBarStyle;

Q_DECLARE_METATYPE(colorohm::SideBarStyle)

namespace {

constexpr int kFirstLink = 1017;

// A shown bar of the calculator's width; tall unless a test wants it to scroll.
void ShowBar(CSideBar& bar, int height = 600) {
  bar.resize(200, height);
  bar.show();
  QVERIFY(QTest::qWaitForWindowExposed(&bar));
}

int AddLinks(CSideBar& bar, const std::string& title, int count) {
  const int group = bar.AddGroup(title);
  for (int i = 0; i < count; ++i)
    bar.AddItem(group, "E" + std::to_string(6 * (i + 1)) + " : 4,7 k", kFirstLink + i,
                SideBarItemKind::Link);
  return group;
}

// The Ohm's-law group: each command link followed by its field.
int AddCalculs(CSideBar& bar) {
  const int group = bar.AddGroup("Calculs");
  const std::pair<const char*, int> rows[] = {{"R (Ohm)", 6565}, {"I (Amp\xE8re)", 6567},
                                              {"U (Volt)", 6566}, {"P (Watt)", 6568}};
  for (const auto& [text, field] : rows) {
    bar.AddItem(group, text, field + 4, SideBarItemKind::Link);
    bar.AddItem(group, "", field, SideBarItemKind::Edit);
  }
  return group;
}

void Click(QWidget& widget, const QPoint& point) {
  QTest::mouseMove(&widget, point);
  QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, point);
}

// Pixels of the grabbed bar inside rect whose colour is within a few steps of colour.
int CountPixels(CSideBar& bar, const QRect& rect, const QColor& colour) {
  const QImage image = bar.grab().toImage();
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) <= 8 && std::abs(pixel.green() - colour.green()) <= 8 &&
          std::abs(pixel.blue() - colour.blue()) <= 8)
        ++count;
    }
  return count;
}

} // namespace

class SideBarTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup();
  void groupHeights_data();
  void groupHeights();
  void missingGroupIsIgnored();
  void headerClickFoldsAndUnfolds_data();
  void headerClickFoldsAndUnfolds();
  void doubleClickOnHeaderFoldsOnce();
  void tinyBarStillWorks();
  void clickOnLinkTextSendsItsCommand();
  void clickBeyondLinkTextDoesNothing();
  void releaseOverAnotherLinkSendsThatOne();
  void headerClickAfterHoveringLinkSendsNoCommand();
  void hoverSetsHotLinkAndHandCursor();
  void removeAllGroupsWhileHotIsSafe();
  void bothStylesHaveTheSameGeometry();
  void foldingHidesEditFieldsAndUnfoldingPlacesThem();
  void scrollBarFollowsContentAndEditsMove();
  void setItemColorsPaintsLinkText();
  void itemTextsAreWindows1252();
  void typingInFieldsNotifiesOwner();
  void writesUnderWriteFlagAreNotReported();
};

void SideBarTest::cleanup() {
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void SideBarTest::groupHeights_data() {
  QTest::addColumn<SideBarStyle>("style");
  QTest::addColumn<bool>("collapsed");
  QTest::newRow("themed, unfolded") << SideBarStyle::Themed << false;
  QTest::newRow("themed, folded") << SideBarStyle::Themed << true;
  QTest::newRow("classic, unfolded") << SideBarStyle::Classic << false;
  QTest::newRow("classic, folded") << SideBarStyle::Classic << true;
}

void SideBarTest::groupHeights() {
  QFETCH(SideBarStyle, style);
  QFETCH(bool, collapsed);
  CSideBar bar;
  bar.SetBarStyle(style);
  const int group = AddLinks(bar, "T\xE2" "ches sp\xE9" "cifiques", 8);
  QVERIFY(bar.ExpandGroup(group, !collapsed));
  QCOMPARE(bar.IsGroupCollapsed(group), collapsed);
  const int expected = bar.HeaderHeight() + (collapsed ? 0 : 8 * bar.RowHeight());
  QCOMPARE(bar.GroupHeight(group), expected);
  QVERIFY(bar.HeaderHeight() > 0);
  QVERIFY(bar.RowHeight() > 0);
}

void SideBarTest::missingGroupIsIgnored() {
  CSideBar bar;
  QCOMPARE(bar.AddGroup("A"), 0);
  QCOMPARE(bar.AddGroup("B"), 1);
  QVERIFY(!bar.AddItem(2, "x", 1, SideBarItemKind::Link));
  QVERIFY(!bar.AddItem(-1, "x", 1, SideBarItemKind::Edit));
  QVERIFY(!bar.ExpandGroup(5, false));
  QVERIFY(!bar.IsGroupCollapsed(5));
  QCOMPARE(bar.GetItemText(7, 1), std::string());
  bar.SetItemText(7, 1, "x");
  QCOMPARE(bar.GetItemText(0, 1), std::string());
}

void SideBarTest::headerClickFoldsAndUnfolds_data() {
  QTest::addColumn<SideBarStyle>("style");
  QTest::addColumn<bool>("atLeftEdge");
  QTest::newRow("themed, left edge") << SideBarStyle::Themed << true;
  QTest::newRow("themed, fold button") << SideBarStyle::Themed << false;
  QTest::newRow("classic, left edge") << SideBarStyle::Classic << true;
  QTest::newRow("classic, fold button") << SideBarStyle::Classic << false;
}

void SideBarTest::headerClickFoldsAndUnfolds() {
  QFETCH(SideBarStyle, style);
  QFETCH(bool, atLeftEdge);
  CSideBar bar;
  bar.SetBarStyle(style);
  AddLinks(bar, "Valeurs", 3);
  const int group = AddLinks(bar, "T\xE2" "ches", 8);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);

  const QRect hit = bar.HeaderHitRect(group);
  const QPoint point = atLeftEdge ? QPoint(hit.left(), hit.center().y()) : hit.bottomRight();
  Click(bar, point);
  QVERIFY(bar.IsGroupCollapsed(group));
  QCOMPARE(bar.GroupHeight(group), bar.HeaderHeight());
  QCOMPARE(bar.HotGroup(), std::optional<int>(group));
  QCOMPARE(bar.cursor().shape(), Qt::PointingHandCursor);

  Click(bar, point);
  QVERIFY(!bar.IsGroupCollapsed(group));
  QCOMPARE(bar.GroupHeight(group), bar.HeaderHeight() + 8 * bar.RowHeight());
  QCoreApplication::processEvents();
  QCOMPARE(commands.count(), 0);
}

void SideBarTest::doubleClickOnHeaderFoldsOnce() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  const QPoint point = bar.HeaderHitRect(group).center();
  // A real double click reaches a widget as press, release, double click, release.
  Click(bar, point);
  QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, point);
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, point);
  QVERIFY(bar.IsGroupCollapsed(group));
}

void SideBarTest::tinyBarStillWorks() {
  CSideBar bar;
  AddLinks(bar, "Valeurs normalis\xE9" "es", 3);
  AddCalculs(bar);
  bar.resize(4, 4);
  bar.show();
  QVERIFY(QTest::qWaitForWindowExposed(&bar));
  QVERIFY(!bar.grab().isNull());
  QVERIFY(bar.VerticalScrollBar().isVisible());
  Click(bar, QPoint(1, 1));
  bar.RemoveAllGroups();
  QCOMPARE(bar.GroupCount(), 0);
}

void SideBarTest::clickOnLinkTextSendsItsCommand() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  const QRect hit = bar.LinkHitRect(group, kFirstLink + 1);
  QVERIFY(!hit.isEmpty());
  Click(bar, hit.center());
  QVERIFY(commands.wait());
  QCOMPARE(commands.count(), 1);
  QCOMPARE(commands.at(0).at(0).toInt(), kFirstLink + 1);
}

void SideBarTest::clickBeyondLinkTextDoesNothing() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  const QRect hit = bar.LinkHitRect(group, kFirstLink);
  const QPoint beyond(hit.right() + 6, hit.center().y());
  QVERIFY(beyond.x() < bar.width() - 20);  // still in the row
  Click(bar, beyond);
  QCoreApplication::processEvents();
  QCOMPARE(commands.count(), 0);
  QCOMPARE(bar.HotItemId(), std::nullopt);
}

void SideBarTest::releaseOverAnotherLinkSendsThatOne() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  const QPoint first = bar.LinkHitRect(group, kFirstLink).center();
  const QPoint third = bar.LinkHitRect(group, kFirstLink + 2).center();
  QTest::mouseMove(&bar, first);
  QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, first);
  QTest::mouseMove(&bar, third);
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, third);
  QVERIFY(commands.wait());
  QCOMPARE(commands.count(), 1);
  QCOMPARE(commands.at(0).at(0).toInt(), kFirstLink + 2);
}

// Moving from a link straight onto a header must drop the hot link, or a click on the header
// would also send the link's command.
void SideBarTest::headerClickAfterHoveringLinkSendsNoCommand() {
  CSideBar bar;
  AddLinks(bar, "Valeurs", 3);
  const int tasks = AddLinks(bar, "T\xE2" "ches", 3);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  QTest::mouseMove(&bar, bar.LinkHitRect(0, kFirstLink + 2).center());
  QCOMPARE(bar.HotItemId(), std::optional<int>(kFirstLink + 2));
  QTest::mouseMove(&bar, bar.HeaderHitRect(tasks).center());
  QCOMPARE(bar.HotGroup(), std::optional<int>(tasks));
  QCOMPARE(bar.HotItemId(), std::nullopt);
  Click(bar, bar.HeaderHitRect(tasks).center());
  QVERIFY(bar.IsGroupCollapsed(tasks));
  QCoreApplication::processEvents();
  QCOMPARE(commands.count(), 0);
}

void SideBarTest::hoverSetsHotLinkAndHandCursor() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  QTest::mouseMove(&bar, bar.LinkHitRect(group, kFirstLink + 1).center());
  QCOMPARE(bar.HotItemId(), std::optional<int>(kFirstLink + 1));
  QCOMPARE(bar.HotGroup(), std::nullopt);
  QCOMPARE(bar.cursor().shape(), Qt::PointingHandCursor);

  QTest::mouseMove(&bar, bar.LinkHitRect(group, kFirstLink).center());
  QCOMPARE(bar.HotItemId(), std::optional<int>(kFirstLink));

  QTest::mouseMove(&bar, QPoint(bar.width() - 3, bar.height() - 3));
  QCOMPARE(bar.HotItemId(), std::nullopt);
  QCOMPARE(bar.cursor().shape(), Qt::ArrowCursor);
}

void SideBarTest::removeAllGroupsWhileHotIsSafe() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  ShowBar(bar);
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  const QPoint point = bar.LinkHitRect(group, kFirstLink).center();
  QTest::mouseMove(&bar, point);
  QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, point);
  bar.RemoveAllGroups();
  QCOMPARE(bar.HotItemId(), std::nullopt);
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, point);
  QCoreApplication::processEvents();
  QCOMPARE(commands.count(), 0);
  QCOMPARE(bar.GroupCount(), 0);
}

void SideBarTest::bothStylesHaveTheSameGeometry() {
  CSideBar bar;
  AddLinks(bar, "Valeurs", 4);
  AddCalculs(bar);
  ShowBar(bar);
  bar.SetBarStyle(SideBarStyle::Themed);
  const QRect themedLink = bar.LinkHitRect(1, 6571);
  const QRect themedEdit = bar.EditField(1, 6567)->geometry();
  const int themedHeight = bar.GroupHeight(1);
  bar.SetBarStyle(SideBarStyle::Classic);
  QCOMPARE(bar.LinkHitRect(1, 6571), themedLink);
  QCOMPARE(bar.EditField(1, 6567)->geometry(), themedEdit);
  QCOMPARE(bar.GroupHeight(1), themedHeight);
}

void SideBarTest::foldingHidesEditFieldsAndUnfoldingPlacesThem() {
  CSideBar bar;
  const int group = AddCalculs(bar);
  ShowBar(bar);
  QLineEdit* r = bar.EditField(group, 6565);
  QLineEdit* p = bar.EditField(group, 6568);
  QVERIFY(r && p);
  QVERIFY(r->isVisible() && p->isVisible());
  const QRect where = p->geometry();
  QCOMPARE(where.top(), r->geometry().top() + 6 * bar.RowHeight());
  QCOMPARE(where.height(), bar.RowHeight() - 2);

  Click(bar, bar.HeaderHitRect(group).center());
  QVERIFY(!r->isVisible() && !p->isVisible());
  Click(bar, bar.HeaderHitRect(group).center());
  QVERIFY(r->isVisible() && p->isVisible());
  QCOMPARE(p->geometry(), where);
}

void SideBarTest::scrollBarFollowsContentAndEditsMove() {
  CSideBar bar;
  const int values = AddLinks(bar, "Valeurs", 7);
  const int calculs = AddCalculs(bar);
  ShowBar(bar, 200);
  QScrollBar& scroll = bar.VerticalScrollBar();
  QVERIFY(scroll.isVisible());
  QCOMPARE(scroll.value(), 0);
  const int content = 10 + bar.GroupHeight(values) + 10 + bar.GroupHeight(calculs) + 10;
  QCOMPARE(scroll.maximum(), content - bar.height());

  QLineEdit* r = bar.EditField(calculs, 6565);
  const int top = r->geometry().top();
  const QRect header = bar.HeaderHitRect(calculs);
  scroll.triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(scroll.value(), bar.RowHeight());
  QCOMPARE(r->geometry().top(), top - bar.RowHeight());
  QCOMPARE(bar.HeaderHitRect(calculs), header.translated(0, -bar.RowHeight()));
  scroll.triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(r->geometry().top(), top - bar.RowHeight() - 1);
  scroll.triggerAction(QAbstractSlider::SliderPageStepSub);
  QCOMPARE(scroll.value(), 1);

  // A click lands on what is drawn under the pointer, scrolled or not.
  QSignalSpy commands(&bar, &CSideBar::LinkCommand);
  Click(bar, bar.LinkHitRect(calculs, 6570).center());
  QVERIFY(commands.wait());
  QCOMPARE(commands.at(0).at(0).toInt(), 6570);

  bar.ExpandGroup(values, false);
  bar.ExpandGroup(calculs, false);
  QVERIFY(!scroll.isVisible());
  QCOMPARE(r->isVisible(), false);
}

void SideBarTest::setItemColorsPaintsLinkText() {
  CSideBar bar;
  const int group = AddLinks(bar, "Valeurs", 3);
  bar.AddItem(group, "E24 : 4,7 kOhms", 1020, SideBarItemKind::Link);
  ShowBar(bar);
  const QRect hit = bar.LinkHitRect(group, 1020);
  // A link that is not hot is drawn in its colour lightened by 0.15: (255, 38, 38) for red.
  const QColor red(255, 38, 38);
  QCOMPARE(CountPixels(bar, hit, red), 0);

  bar.SetItemColors(group, 1020, QColor(255, 0, 0), QColor(255, 50, 50));
  QVERIFY(CountPixels(bar, hit, red) > 5);
  QCOMPARE(CountPixels(bar, bar.LinkHitRect(group, kFirstLink), red), 0);

  bar.ResetItemColors(group, 1020);
  QCOMPARE(CountPixels(bar, hit, red), 0);
}

void SideBarTest::itemTextsAreWindows1252() {
  CSideBar bar;
  const int group = AddCalculs(bar);
  QCOMPARE(bar.GetItemText(group, 6571), std::string("I (Amp\xE8re)"));
  bar.SetItemText(group, 6565, "4,7 \xB5" "F");
  QCOMPARE(bar.EditField(group, 6565)->text(), QString::fromUtf8("4,7 µF"));
  QCOMPARE(bar.GetItemText(group, 6565), std::string("4,7 \xB5" "F"));
}

void SideBarTest::typingInFieldsNotifiesOwner() {
  CColorohmSideBar bar;
  const int group = AddCalculs(bar);
  ShowBar(bar);
  QSignalSpy r(&bar, &CColorohmSideBar::RFieldChanged);
  QSignalSpy uip(&bar, &CColorohmSideBar::UipFieldChanged);

  QTest::keyClicks(bar.EditField(group, CColorohmSideBar::kFieldR), "470");
  QCOMPARE(r.count(), 3);
  QCOMPARE(uip.count(), 0);
  QCOMPARE(bar.GetItemText(group, CColorohmSideBar::kFieldR), std::string("470"));

  QTest::keyClicks(bar.EditField(group, CColorohmSideBar::kFieldI), "2");
  QCOMPARE(uip.count(), 1);
  QCOMPARE(uip.at(0).at(0).toInt(), CColorohmSideBar::kFieldI);
  QCOMPARE(r.count(), 3);
}

void SideBarTest::writesUnderWriteFlagAreNotReported() {
  CColorohmSideBar bar;
  const int group = AddCalculs(bar);
  QSignalSpy r(&bar, &CColorohmSideBar::RFieldChanged);
  QSignalSpy uip(&bar, &CColorohmSideBar::UipFieldChanged);

  bar.SetWriteFlag(true);
  bar.SetItemText(group, CColorohmSideBar::kFieldR, "470");
  bar.SetItemText(group, CColorohmSideBar::kFieldU, "12");
  bar.SetWriteFlag(false);
  QCOMPARE(r.count(), 0);
  QCOMPARE(uip.count(), 0);
  QCOMPARE(bar.GetItemText(group, CColorohmSideBar::kFieldR), std::string("470"));

  // Without the flag a write is a change like any other.
  bar.SetItemText(group, CColorohmSideBar::kFieldP, "0,3");
  QCOMPARE(uip.count(), 1);
  QCOMPARE(uip.at(0).at(0).toInt(), CColorohmSideBar::kFieldP);
}

QTEST_MAIN(SideBarTest)
#include "SideBarTest.moc"
