#include "colorohm/app/ColorohmApp.h"
#include "colorohm/app/ColorohmDlg.h"
#include "colorohm/app/QtResources.h"
#include "colorohm/model/ColourCode.h"
#include "colorohm/render/BandGeometry.h"
#include "colorohm/sidebar/ColorohmSideBar.h"
#include "platform/text/Text.h"
#include "platform/ui/DialogBuilder.h"
#include "resources/ColorohmResources.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

using namespace colorohm;

namespace {

QString Qt1252(const std::string& cp1252) { return QString::fromStdString(platform::Utf8FromCp1252(cp1252)); }
QString BuiltInString(int id) { return Qt1252(ColorohmResources().String(id)); }

// One run of the program: its own store and program folder, and a recording message box.
class Program {
public:
  Program() : store_(folder_.filePath("reg.db").toStdString()) { Start(); }

  // A new application object on the same store and folder, as the next start of the program.
  CColorohmApp& Start() {
    app_ = std::make_unique<CColorohmApp>(store_, messages, ColorohmResources(), folder_.path().toStdString());
    app_->InitInstance();
    return *app_;
  }
  CColorohmApp& App() { return *app_; }
  QString Folder() const { return folder_.path(); }

  platform::RecordingMessageBoxes messages;

private:
  QTemporaryDir folder_;
  platform::RegistryStore store_;
  std::unique_ptr<CColorohmApp> app_;
};

QString RField(const CColorohmDlg& w) { return w.SideBar()->EditField(2, CColorohmSideBar::kFieldR)->text(); }

std::array<int, 6> Positions(const CColorohmDlg& w) {
  std::array<int, 6> p{};
  for (int band = 1; band <= 6; ++band) p[band - 1] = w.BandSlider(band)->value();
  return p;
}

void Type(QLineEdit* field, const QString& text) {
  field->clear();
  QTest::keyClicks(field, text);
}

QColor Colour(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

class ColorohmDlgTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { UseProgramFont(); }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty() || AllHidden()); }

  void firstStartAsksOnceWithDefaults() {
    Program program;
    {
      auto window = program.App().CreateCalculatorWindow();
      QCOMPARE(program.messages.shown.size(), size_t(1));
      const platform::Message& question = program.messages.shown[0];
      QCOMPARE(question.text, ColorohmResources().String(159));
      QCOMPARE(question.buttons, platform::MessageButtons::YesNo);
      QVERIFY(question.topmost);
      QCOMPARE(window->TemplateId(), kTemplateLying);
      QCOMPARE(Positions(*window), (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
      QCOMPARE(window->ValueField()->text(), QString("0"));
      QVERIFY(!window->SideBar()->isHidden());
      QVERIFY(!window->BandSlider(3)->isHidden());
      QVERIFY(!window->BandSlider(6)->isHidden());
    }
    program.App().SaveSettings();
    program.Start().CreateCalculatorWindow();
    QCOMPARE(program.messages.shown.size(), size_t(1));
  }

  void sliderMovesFillTheFieldsAndLeaveTheOtherSliders() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->BandSlider(1)->setValue(5);  // yellow, 4
    window->BandSlider(2)->setValue(8);  // violet, 7
    window->BandSlider(4)->setValue(4);  // brown, x10
    window->BandSlider(5)->setValue(3);
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 1, 4, 3, 1}));
    QCOMPARE(window->ValueField()->text(), QString("4,7"));
    QCOMPARE(window->UnitList()->currentIndex(), 1);
    QCOMPARE(RField(*window), QString("4700"));
    QCOMPARE(window->ToleranceList()->currentIndex(), 2);
    QCOMPARE(window->CoefficientList()->currentIndex(), 0);
    // Back to ohms: three nines times one.
    window->BandSlider(1)->setValue(10);
    window->BandSlider(2)->setValue(10);
    window->BandSlider(3)->setValue(10);
    window->BandSlider(4)->setValue(3);
    QCOMPARE(window->ValueField()->text(), QString("999"));
    QCOMPARE(Positions(*window), (std::array<int, 6>{10, 10, 10, 3, 3, 1}));
  }

  void typingSetsTheBands_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("multiplier");
    QTest::newRow("470 ohms") << 0 << "470" << "470" << 3;
    QTest::newRow("letters dropped") << 0 << "4a7b0" << "470" << 3;
    QTest::newRow("4,7 ohms") << 0 << "4,7" << "4,7" << 1;
    QTest::newRow("4.7 kOhms") << 1 << "4.7" << "4.7" << 4;
    QTest::newRow("over-long in ohms") << 0 << "47000000000000" << "4700000000" << 9;
    QTest::newRow("over-long in MOhms") << 2 << "470000" << "4700" << 9;
  }
  void typingSetsTheBands() {
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, multiplier);
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->BandSlider(5)->setValue(2);
    window->UnitList()->setCurrentIndex(unit);
    Type(window->ValueField(), typed);
    QCOMPARE(window->ValueField()->text(), kept);
    QCOMPARE(window->UnitList()->currentIndex(), unit);
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 1, multiplier, 2, 1}));
  }

  void unitChangeScalesTheBandsAndKeepsTheText() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->UnitList()->setCurrentIndex(1);
    Type(window->ValueField(), "4,7");
    QCOMPARE(Positions(*window)[3], 4);
    QCOMPARE(RField(*window), QString("4700"));
    window->UnitList()->setCurrentIndex(2);
    QCOMPARE(window->ValueField()->text(), QString("4,7"));
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 1, 7, 1, 1}));
    QCOMPARE(RField(*window), QString("4700000"));
  }

  void fourBandsHideTheirControlsAndFollowTheValue() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->BandSlider(6)->setValue(4);
    window->UnitList()->setCurrentIndex(1);
    Type(window->ValueField(), "4,75");
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 6, 4, 1, 4}));

    QVERIFY(window->OnCommand(kCmdFourBands));
    QVERIFY(window->BandSlider(3)->isHidden());
    QVERIFY(window->BandSlider(6)->isHidden());
    QVERIFY(window->CoefficientList()->isHidden());
    QCOMPARE(window->ValueField()->text(), QString("4,75"));
    // Yellow, violet, red: 4.7 kOhms; the hidden bands keep their positions.
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 6, 5, 1, 4}));
    QCOMPARE(program.App().Settings().nombreBandes, 0);

    QVERIFY(window->OnCommand(kCmdFiveBands));
    QVERIFY(!window->BandSlider(3)->isHidden());
    QVERIFY(window->BandSlider(6)->isHidden());
    QVERIFY(window->CoefficientList()->isHidden());
    QCOMPARE(Positions(*window), (std::array<int, 6>{5, 8, 6, 4, 1, 4}));
  }

  void rFieldFillsTheValueInOhms() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->UnitList()->setCurrentIndex(2);
    window->SideBar()->EditField(2, CColorohmSideBar::kFieldR)->setText("470 (R=U/I)");
    QCOMPARE(window->ValueField()->text(), QString("470"));
    QCOMPARE(window->UnitList()->currentIndex(), 0);
    QCOMPARE(Positions(*window)[0], 5);
    // The value came from the R field and is not written back there.
    QCOMPARE(RField(*window), QString("470 (R=U/I)"));
  }

  void standardValueClickSetsTheValue() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->resize(window->size());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->UnitList()->setCurrentIndex(1);
    Type(window->ValueField(), "4,8");
    QCOMPARE(window->StandardOhms()[2], 4700.0);  // E12

    CColorohmSideBar* bar = window->SideBar();
    const QPoint link = bar->LinkHitRect(0, kFirstSeriesItemId + 2).center();
    QTest::mouseMove(bar, link);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, link);
    QTRY_COMPARE(window->ValueField()->text(), QString("4700"));
    QCOMPARE(window->UnitList()->currentIndex(), 0);
    QCOMPARE(Positions(*window)[3], 4);
    window->close();
  }

  void ohmsLawCommandsAndComputedResultsClearing() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    CColorohmSideBar* bar = window->SideBar();
    bar->EditField(2, CColorohmSideBar::kFieldU)->setText("12");
    bar->EditField(2, CColorohmSideBar::kFieldI)->setText("0,5");
    bar->EditField(2, CColorohmSideBar::kFieldR)->setText("");
    const QString value = window->ValueField()->text();

    QVERIFY(window->OnCommand(6569));  // R
    QVERIFY(RField(*window).startsWith("24 ("));
    // Written by the window itself: the value field is left alone.
    QCOMPARE(window->ValueField()->text(), value);

    QVERIFY(window->OnCommand(6572));  // P
    QVERIFY(bar->EditField(2, CColorohmSideBar::kFieldP)->text().startsWith("6 ("));
    QVERIFY(window->OnCommand(6570));  // U, from R and I
    QVERIFY(bar->EditField(2, CColorohmSideBar::kFieldU)->text().startsWith("12 ("));

    // Typing into I empties the computed U and P, not the typed I.
    bar->EditField(2, CColorohmSideBar::kFieldI)->setText("2");
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldU)->text(), QString());
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldP)->text(), QString());
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldI)->text(), QString("2"));

    bar->EditField(2, CColorohmSideBar::kFieldU)->setText("10");
    QVERIFY(window->OnCommand(6572));
    window->BandSlider(1)->setValue(3);
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldP)->text(), QString());
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldU)->text(), QString("10"));
  }

  void highlightedSeriesFollowsTheTolerance_data() {
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("red");
    QTest::newRow("10 %: E12") << 0 << 2;
    QTest::newRow("5 %: E24") << 1 << 3;
    QTest::newRow("1 %: none shown") << 3 << -1;
  }
  void highlightedSeriesFollowsTheTolerance() {
    QFETCH(int, tolerance);
    QFETCH(int, red);
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->ToleranceList()->setCurrentIndex(tolerance);
    QCOMPARE(window->BandSlider(5)->value(), tolerance + 1);

    const QImage bar = window->SideBar()->grab().toImage();
    for (int series = 1; series <= 3; ++series) {
      const QRect text = window->SideBar()->LinkHitRect(0, kFirstSeriesItemId + series);
      bool hasRed = false;
      for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
          const QColor c = bar.pixelColor(x, y);
          hasRed = hasRed || (c.red() > 200 && c.green() < 80 && c.blue() < 80);
        }
      }
      QCOMPARE(hasRed, series == red);
    }
    window->close();
  }

  void settingsWrittenAtExitAreReadAtTheNextStart() {
    Program program;
    {
      auto window = program.App().CreateCalculatorWindow();
      window->BandSlider(1)->setValue(5);
      window->BandSlider(2)->setValue(8);
      window->BandSlider(6)->setValue(3);
      window->OnCommand(kCmdFourBands);
      window->SideBar()->ExpandGroup(1, false);
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
      window->move(123, 87);
      window->close();
    }
    const SettingsRecord closed = program.App().Settings();
    QCOMPARE(closed.posX, 123);
    QCOMPARE(closed.posY, 87);
    program.App().SaveSettings();

    CColorohmApp& next = program.Start();
    QCOMPARE(next.Settings(), closed);
    QCOMPARE(next.Settings().groupe, (std::array<int, 3>{1, 0, 1}));
    QCOMPARE(next.Settings().nombreBandes, 0);
    auto window = next.CreateCalculatorWindow();
    QCOMPARE(Positions(*window), closed.bande);
    QCOMPARE(window->pos(), QPoint(123, 87));
    QVERIFY(window->SideBar()->IsGroupCollapsed(1));
    QVERIFY(!window->SideBar()->IsGroupCollapsed(2));
    QVERIFY(window->BandSlider(3)->isHidden());
  }

  void onlyOneOfPosXAndPosYCentresTheWindow() {
    Program program;
    program.App().Settings().posX = 40;
    auto window = program.App().CreateCalculatorWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(window->geometry().center().x() / 2, screen.center().x() / 2);
  }

  // A stored position where no screen is (any more) would leave the window out of reach.
  void storedPositionOffEveryScreenCentresTheWindow_data() {
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<bool>("kept");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("far right and below") << screen.bottomRight() + QPoint(400, 300) << false;
    QTest::newRow("far left and above") << screen.topLeft() - QPoint(2000, 1500) << false;
    QTest::newRow("a corner strip") << screen.bottomRight() - QPoint(10, 10) << false;
    QTest::newRow("partly off the right edge") << QPoint(screen.right() - 100, screen.top() + 50) << true;
  }
  void storedPositionOffEveryScreenCentresTheWindow() {
    QFETCH(QPoint, stored);
    QFETCH(bool, kept);
    Program program;
    program.App().Settings().posX = stored.x();
    program.App().Settings().posY = stored.y();
    auto window = program.App().CreateCalculatorWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (kept) {
      QCOMPARE(window->pos(), stored);
    } else {
      QCOMPARE(window->geometry().center().x() / 2, screen.center().x() / 2);
      QCOMPARE(window->geometry().center().y() / 2, screen.center().y() / 2);
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(screen.intersects(window->frameGeometry()));
    window->close();
    QCOMPARE(QPoint(program.App().Settings().posX, program.App().Settings().posY), window->pos());
  }

  void layoutChangeReplacesTheWindow() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->show();
    window->BandSlider(2)->setValue(7);
    program.App().Settings().sensAffichage = 0;
    window->ApplySettings(CColorohmDlg::ApplyMode::All);
    QVERIFY(window->ReplaceRequested());
    QVERIFY(!window->isVisible());
    QCOMPARE(program.App().Settings().bande[1], 7);

    auto next = program.App().CreateCalculatorWindow();
    QCOMPARE(next->TemplateId(), kTemplateUpright);
    QVERIFY(!next->ReplaceRequested());
    QCOMPARE(next->BandSlider(2)->value(), 7);
    QCOMPARE(next->BandSlider(1)->orientation(), Qt::Horizontal);
  }

  void sideBarWidthComesBackExactly() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    const int width = window->width();
    QVERIFY(window->OnCommand(kCmdSideBar));
    QCOMPARE(window->width(), width - CColorohmDlg::kSideBarWidth);
    QVERIFY(window->SideBar()->isHidden());
    QVERIFY(window->OnCommand(kCmdSideBar));
    QCOMPARE(window->width(), width);
    QVERIFY(!window->SideBar()->isHidden());

    program.App().Settings().afficherBarreLaterale = 0;
    auto narrow = program.App().CreateCalculatorWindow();
    QCOMPARE(narrow->width(), width - CColorohmDlg::kSideBarWidth);
    QVERIFY(narrow->SideBar()->isHidden());
  }

  void alwaysOnTopTogglesTheFlagAndTheLink() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    CColorohmSideBar* bar = window->SideBar();
    bar->EditField(2, CColorohmSideBar::kFieldU)->setText("5");
    QCOMPARE(bar->GetItemText(1, kCmdAlwaysOnTop), ColorohmResources().String(145));
    QVERIFY(window->OnCommand(kCmdAlwaysOnTop));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(bar->GetItemText(1, kCmdAlwaysOnTop), ColorohmResources().String(158));
    // Rebuilding the side bar keeps what the user typed.
    QCOMPARE(bar->EditField(2, CColorohmSideBar::kFieldU)->text(), QString("5"));
    QVERIFY(!bar->GetItemText(0, kFirstSeriesItemId + 1).empty());
  }

  // The window runs modally for the whole program: changing its flags must not end that run.
  void alwaysOnTopLeavesTheWindowRunning() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    bool shownAfterToggle = false;
    QTimer::singleShot(0, window.get(), [&] {
      window->OnCommand(kCmdAlwaysOnTop);
      QTimer::singleShot(100, window.get(), [&] {
        shownAfterToggle = window->isVisible();
        window->OnCommand(kCmdAlwaysOnTop);
        QTimer::singleShot(100, window.get(), [&] { window->OnCommand(kCmdQuit); });
      });
    });
    window->exec();
    QVERIFY(shownAfterToggle);
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window->ReplaceRequested());
  }

  void contextMenuChecksAndGreysDeferredCommands() {
    Program program;
    program.App().Settings().premierPlan = 1;
    program.App().Settings().nombreBandes = 1;
    auto window = program.App().CreateCalculatorWindow();
    const std::unique_ptr<QMenu> menu = window->BuildPopupMenu(kMenuContext);
    QVERIFY(FindCommand(*menu, kCmdAlwaysOnTop)->isChecked());
    QVERIFY(FindCommand(*menu, kCmdSideBar)->isChecked());
    QVERIFY(!FindCommand(*menu, kCmdFourBands)->isChecked());
    QVERIFY(FindCommand(*menu, kCmdFiveBands)->isChecked());
    QVERIFY(!FindCommand(*menu, kCmdSixBands)->isChecked());
    QVERIFY(FindCommand(*menu, kCmdFiveBands)->isEnabled());
    for (int deferred : {133, 134, 135, 143, 152, 32789, 57664})
      QVERIFY2(!FindCommand(*menu, deferred)->isEnabled(), qPrintable(QString::number(deferred)));
    QCOMPARE(FindCommand(*menu, 135)->text(),
             QString::fromUtf8("&Enregistrer l'image de la résistance sous...\tCTRL+S"));
    const std::unique_ptr<QMenu> help = window->BuildPopupMenu(kMenuHelp);
    QCOMPARE(help->actions().size(), 6);
  }

  void firstSliderHasTheFocusAndTabFollowsTheControls_data() {
    QTest::addColumn<int>("sens");
    QTest::newRow("upright") << 0;
    QTest::newRow("lying") << 1;
  }
  void firstSliderHasTheFocusAndTabFollowsTheControls() {
    QFETCH(int, sens);
    Program program;
    program.App().Settings().sensAffichage = sens;
    auto window = program.App().CreateCalculatorWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), window->BandSlider(1));
    const std::vector<QWidget*> order{window->BandSlider(2), window->BandSlider(3), window->BandSlider(4),
                                      window->BandSlider(5), window->BandSlider(6), window->UnitList(),
                                      window->ToleranceList(), window->CoefficientList(), window->ValueField()};
    for (QWidget* expected : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
    window->close();
  }

  void altDigitAcceleratorsSwitchTheBandCount() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->ValueField()->setFocus();
    QTest::keyClick(window->ValueField(), Qt::Key_4, Qt::AltModifier);
    QCOMPARE(program.App().Settings().nombreBandes, 0);
    QTest::keyClick(window->ValueField(), Qt::Key_6, Qt::AltModifier);
    QCOMPARE(program.App().Settings().nombreBandes, 2);
    window->close();
  }

  void tooltipsNameTheColourOrTheControl() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->BandSlider(4)->setValue(5);  // red multiplier
    QCOMPARE(window->ToolTipFor(window->BandSlider(4)), BuiltInString(167));
    QCOMPARE(window->ToolTipFor(window->BandSlider(5)), BuiltInString(ColourNameId(PositionEntry(BandKind::Tolerance, 1).colour)));
    QCOMPARE(window->ToolTipFor(window->ValueField()), BuiltInString(164));
    QCOMPARE(window->ToolTipFor(window->UnitList()), BuiltInString(163));
    QCOMPARE(window->ToolTipFor(window->ToleranceList()), BuiltInString(135));
    QCOMPARE(window->ToolTipFor(window->CoefficientList()), BuiltInString(134));
    QCOMPARE(window->ToolTipFor(window->SideBar()), QString());
    QVERIFY(BuiltInString(135).startsWith(QString::fromUtf8("Tolérance (")));
  }

  void bandSlidersShowTheirPositionWhileDragged() {
    Program program;
    auto window = program.App().CreateCalculatorWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSlider* slider = window->BandSlider(4);
    slider->setSliderDown(true);
    slider->setSliderPosition(6);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString("6"));
    slider->setSliderDown(false);
    QTRY_VERIFY(!QToolTip::isVisible());
    window->close();
  }

  void englishLanguageFileIsInForceInTheFirstWindow() {
    Program program;
    QVERIFY(QFile::copy(COLOROHM_LANGUAGE_FILE, program.Folder() + "/langueEN.dll"));
    program.App().SaveSettings();
    CColorohmApp& app = program.Start();
    QCOMPARE(app.LanguageFiles().size(), size_t(1));
    QCOMPARE(app.LanguageFiles()[0].name, std::string("English"));
    app.Settings().langue = "English";
    auto window = app.CreateCalculatorWindow();
    QCOMPARE(window->ToolTipFor(window->ValueField()), QString("Value (edit it here directly or use the sliders)"));
    QCOMPARE(window->SideBar()->GetItemText(1, kCmdQuit), std::string("Quit"));
    QCOMPARE(window->BuildPopupMenu(kMenuContext)->actions().first()->text(),
             QString("Copy the resistor's &value to the clipboard\tCTRL+C"));
    // Dialog templates come from the program itself.
    QCOMPARE(window->TemplateId(), kTemplateLying);
    QVERIFY(window->BandSlider(6) != nullptr);

    // The options' change of language replaces the window; an unknown name gives French again.
    app.Settings().langue = "Klingon";
    window->SetLanguageChanged();
    window->ApplySettings(CColorohmDlg::ApplyMode::All);
    QVERIFY(window->ReplaceRequested());
    auto french = app.CreateCalculatorWindow();
    QCOMPARE(french->ToolTipFor(french->ValueField()), BuiltInString(164));
  }

  void gradientBandsArePaintedFromLightGrey_data() {
    QTest::addColumn<int>("sens");
    QTest::newRow("upright") << 0;
    QTest::newRow("lying") << 1;
  }
  void gradientBandsArePaintedFromLightGrey() {
    QFETCH(int, sens);
    Program program;
    program.App().Settings().sensAffichage = sens;
    auto window = program.App().CreateCalculatorWindow();
    window->BandSlider(1)->setValue(3);  // red
    window->BandSlider(3)->setValue(5);  // yellow
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const Layout layout = LayoutFromSetting(sens);
    const QColor red = Colour(PositionEntry(BandKind::Digit, 3).paint);
    const QColor yellow = Colour(PositionEntry(BandKind::Digit, 5).paint);

    const auto along = [&](int band, int offset) {
      const Rect r = BandRect(layout, band);
      // The start edge is the left one upright and the top one lying.
      return layout == Layout::Upright ? QPoint(r.left + offset, (r.top + r.bottom) / 2)
                                       : QPoint((r.left + r.right) / 2, r.top + offset);
    };
    QImage shot = window->grab().toImage();
    QCOMPARE(shot.pixelColor(along(1, 0)), QColor(210, 210, 210));
    QCOMPARE(shot.pixelColor(along(1, 50)), red);
    QCOMPARE(shot.pixelColor(along(1, 62)), red);
    QVERIFY(shot.pixelColor(along(1, 25)) != red);
    QCOMPARE(shot.pixelColor(along(3, 55)), yellow);

    // A slider move redraws its band on the window at once.
    window->BandSlider(1)->setValue(5);
    shot = window->grab().toImage();
    QCOMPARE(shot.pixelColor(along(1, 55)), yellow);

    // With 4 bands, bands 3 and 6 are not drawn.
    window->OnCommand(kCmdFourBands);
    window->BandSlider(6)->setValue(7);
    shot = window->grab().toImage();
    const QColor white = Colour(PositionEntry(BandKind::Coefficient, 7).paint);
    QVERIFY(shot.pixelColor(along(3, 55)) != yellow);
    QVERIFY(shot.pixelColor(along(6, 55)) != white);
    QCOMPARE(shot.pixelColor(along(2, 0)), QColor(210, 210, 210));
    window->close();
  }

private:
  static bool AllHidden() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible()) return false;
    }
    return true;
  }
};

QTEST_MAIN(ColorohmDlgTest)
#include "ColorohmDlgTest.moc"
