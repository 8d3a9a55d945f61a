#include "platform/ui/Clipboard.h"
#include "platform/ui/DialogBuilder.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Printer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace platform;

namespace {

// Runs check on the modal box that the next exec() opens, once the event loop is running.
void OnNextModal(std::function<void(QWidget*)> check) {
  QTimer::singleShot(0, [check] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    check(modal);
  });
}

ControlTemplate Control(int id, const char* className, const char* text, QRect r,
                        std::vector<std::string> styles = {}) {
  return {id, className, text, r.x(), r.y(), r.width(), r.height(), std::move(styles)};
}

} // namespace

class UiTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }

  void dialogUnits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("baseY");
    QTest::addColumn<int>("pixelsX");
    QTest::addColumn<int>("pixelsY");
    QTest::newRow("zero") << 0 << 6 << 13 << 0 << 0;
    QTest::newRow("342 at 6x13") << 342 << 6 << 13 << 513 << 556;
    QTest::newRow("halves round up: 1 at 6x12") << 1 << 6 << 12 << 2 << 2;
    QTest::newRow("below half rounds down: 1 at 5x11") << 1 << 5 << 11 << 1 << 1;
    QTest::newRow("negative halves round away from zero") << -1 << 6 << 12 << -2 << -2;
    QTest::newRow("7 at 7x15") << 7 << 7 << 15 << 12 << 13;
  }
  void dialogUnits() {
    QFETCH(int, units);
    QFETCH(int, baseX);
    QFETCH(int, baseY);
    QFETCH(int, pixelsX);
    QFETCH(int, pixelsY);
    const DialogBaseUnits base{baseX, baseY};
    QCOMPARE(DialogXToPixels(units, base), pixelsX);
    QCOMPARE(DialogYToPixels(units, base), pixelsY);
  }

  void baseUnitsRoundTheAverageWidth() {
    QCOMPARE(BaseUnitsFromMetrics(52 * 6, 13).x, 6);       // exactly 6
    QCOMPARE(BaseUnitsFromMetrics(52 * 6 + 25, 13).x, 6);  // 6.48
    QCOMPARE(BaseUnitsFromMetrics(52 * 6 + 26, 13).x, 7);  // 6.5
    QCOMPARE(BaseUnitsFromMetrics(52 * 6 + 26, 13).y, 13);
  }

  void twips_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("1440 at 96") << 1440 << 96 << 96;
    QTest::newRow("15 per pixel") << 15 << 96 << 1;
    QTest::newRow("7 rounds down") << 7 << 96 << 0;
    QTest::newRow("8 rounds up") << 8 << 96 << 1;
    QTest::newRow("9000 at 96") << 9000 << 96 << 600;
    QTest::newRow("1440 at 120") << 1440 << 120 << 120;
  }
  void twips() {
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips, dpi), pixels);
    if (dpi == 96 && twips % 15 == 0) QCOMPARE(PixelsToTwips(pixels, dpi), twips);
  }

  void nameFilters_data() {
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("bitmap and all files") << "Images Bitmap|*.bmp|Tous les fichiers|*.*||"
                                          << QStringList{"Images Bitmap (*.bmp)", "Tous les fichiers (*)"};
    QTest::newRow("several patterns") << "Pages HTML|*.htm;*.html|"
                                      << QStringList{"Pages HTML (*.htm *.html)"};
    QTest::newRow("no terminator") << "Texte|*.txt" << QStringList{"Texte (*.txt)"};
    QTest::newRow("stops at the empty description") << "Texte|*.txt||Autre|*.dat"
                                                     << QStringList{"Texte (*.txt)"};
    QTest::newRow("pattern missing") << "Données" << QStringList{};
    QTest::newRow("empty pattern dropped") << "Vide||" << QStringList{};
    QTest::newRow("blanks around patterns") << "Données Mentiva| *.dat ; *.old |"
                                            << QStringList{QString::fromUtf8("Données Mentiva (*.dat *.old)")};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void nameFilters() {
    QFETCH(QString, windows);
    QFETCH(QStringList, qt);
    QCOMPARE(QtNameFilters(windows.toLatin1().toStdString()), qt);
  }

  void builderPlacesControlsFromTheFontsBaseUnits() {
    DialogTemplate t;
    t.cx = 342;
    t.cy = 181;
    t.caption = "Colorohm";
    t.styles = {"MINIMIZEBOX"};
    t.controls = {Control(1000, "msctls_trackbar32", "", {40, 54, 20, 95}, {"VERT", "NOTICKS"}),
                  Control(1012, "Edit", "", {33, 154, 34, 13}, {"BORDER", "AUTOHSCROLL"}),
                  Control(1100, "Static", "Internet :", {17, 165, 30, 8})};
    DialogBuilder builder;
    std::string error;
    const auto dialog = builder.Build(t, nullptr, &error);
    QCOMPARE(error, std::string());

    // Base units computed here from the metrics, independently of the builder.
    const QFontMetrics metrics(dialog->font());
    const int baseX = (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    const int baseY = metrics.height();
    QVERIFY(baseX > 0 && baseY > 0);
    auto px = [&](int x, int y, int cx, int cy) {
      return QRect(qRound(x * baseX / 4.0), qRound(y * baseY / 8.0), qRound(cx * baseX / 4.0), qRound(cy * baseY / 8.0));
    };
    QCOMPARE(dialog->font().pointSize(), 8);
    QCOMPARE(dialog->size(), px(0, 0, 342, 181).size());
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(dialog->windowTitle(), QString("Colorohm"));
    QCOMPARE(FindControl<QSlider>(dialog.get(), 1000)->geometry(), px(40, 54, 20, 95));
    QCOMPARE(FindControl<QLineEdit>(dialog.get(), 1012)->geometry(), px(33, 154, 34, 13));
    QCOMPARE(FindControl<QLabel>(dialog.get(), 1100)->geometry(), px(17, 165, 30, 8));
    QVERIFY(!FindControl<QLineEdit>(dialog.get(), 1000));  // wrong type
    QVERIFY(!FindControl<QWidget>(dialog.get(), 4242));    // no such id
  }

  void builderMakesEachClassWithItsStyles() {
    DialogTemplate t;
    t.cx = 200;
    t.cy = 200;
    t.controls = {
        Control(1, "msctls_trackbar32", "", {0, 0, 20, 95}, {"TBS_VERT", "NOTICKS"}),
        Control(2, "MSCTLS_TRACKBAR32", "", {0, 0, 100, 20}, {"AUTOTICKS", "TOP"}),
        Control(3, "ComboBox", "", {0, 0, 30, 80}, {"CBS_DROPDOWNLIST"}),
        Control(4, "ComboBox", "", {0, 0, 30, 80}, {"SIMPLE"}),
        Control(5, "Button", "Pour contacter les auteurs", {0, 0, 146, 39}, {"GROUPBOX"}),
        Control(6, "Button", "Un", {0, 0, 40, 10}, {"AUTORADIOBUTTON", "GROUP"}),
        Control(7, "Button", "Deux", {0, 0, 40, 10}, {"AUTORADIOBUTTON"}),
        Control(8, "Button", "Trois", {0, 0, 40, 10}, {"AUTORADIOBUTTON", "WS_GROUP"}),
        Control(9, "Button", "&Fermer", {0, 0, 65, 14}, {"DEFPUSHBUTTON"}),
        Control(10, "Button", "Case", {0, 0, 65, 14}, {"AUTO3STATE"}),
        Control(11, "Static", "&Nom :", {0, 0, 40, 8}),
        Control(12, "Edit", "\xe9t\xe9 \x80", {0, 0, 40, 12}, {"READONLY"}),
        Control(13, "Edit", "", {0, 0, 40, 40}, {"MULTILINE"}),
        Control(14, "SysListView32", "", {0, 0, 100, 50}, {"REPORT", "SINGLESEL", "NOCOLUMNHEADER"}),
        Control(15, "SysTreeView32", "", {0, 0, 100, 50}, {"LINESATROOT"}),
        Control(16, "msctls_progress32", "", {0, 0, 100, 10}),
        Control(17, "Static", "", {0, 0, 100, 1}, {"SS_ETCHEDHORZ"}),
        Control(18, "Button", "Cach\xe9", {0, 0, 40, 10}, {"NOT", "WS_VISIBLE", "DISABLED"}),
        Control(19, "Static", "Fin &&", {0, 0, 40, 8}, {"CENTER"}),
    };
    DialogBuilder builder;
    std::string error;
    const auto dialog = builder.Build(t, nullptr, &error);
    QCOMPARE(error, std::string());
    QWidget* d = dialog.get();

    auto* vertical = FindControl<QSlider>(d, 1);
    QCOMPARE(vertical->orientation(), Qt::Vertical);
    QCOMPARE(vertical->tickPosition(), QSlider::NoTicks);
    QVERIFY(vertical->invertedAppearance());  // minimum at the top, as on Windows
    auto* horizontal = FindControl<QSlider>(d, 2);
    QCOMPARE(horizontal->orientation(), Qt::Horizontal);
    QCOMPARE(horizontal->tickPosition(), QSlider::TicksAbove);
    QCOMPARE(horizontal->tickInterval(), 1);
    QVERIFY(!horizontal->invertedAppearance());

    auto* dropDown = FindControl<QComboBox>(d, 3);
    QVERIFY(!dropDown->isEditable());
    QCOMPARE(dropDown->height(), dropDown->sizeHint().height());  // not the 80 units of the list
    auto* simple = FindControl<QComboBox>(d, 4);
    QVERIFY(simple->isEditable());
    QCOMPARE(simple->height(), DialogYToPixels(80, BaseUnitsOf(d->font())));

    auto* group = FindControl<QGroupBox>(d, 5);
    QCOMPARE(group->title(), QString("Pour contacter les auteurs"));
    QVERIFY(group->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(d->children().indexOf(group), 0);  // lowest in the stacking order

    auto* one = FindControl<QRadioButton>(d, 6);
    auto* two = FindControl<QRadioButton>(d, 7);
    auto* three = FindControl<QRadioButton>(d, 8);
    QVERIFY(one->group() && one->group() == two->group());
    QVERIFY(three->group() && three->group() != one->group());
    one->setChecked(true);
    three->setChecked(true);
    QVERIFY(one->isChecked());  // another group: still checked
    two->setChecked(true);
    QVERIFY(!one->isChecked());

    QVERIFY(FindControl<QPushButton>(d, 9)->isDefault());
    QVERIFY(FindControl<QCheckBox>(d, 10)->isTristate());
    QCOMPARE(FindControl<QLabel>(d, 11)->buddy(), FindControl<QWidget>(d, 12));
    auto* edit = FindControl<QLineEdit>(d, 12);
    QCOMPARE(edit->text(), QString::fromUtf8("été €"));
    QVERIFY(edit->isReadOnly());
    QVERIFY(!edit->hasFrame());
    QVERIFY(FindControl<QPlainTextEdit>(d, 13));
    auto* list = FindControl<QTreeWidget>(d, 14);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(list->isHeaderHidden());
    QVERIFY(!list->rootIsDecorated());
    QVERIFY(FindControl<QTreeWidget>(d, 15)->rootIsDecorated());
    QVERIFY(!FindControl<QProgressBar>(d, 16)->isTextVisible());
    QCOMPARE(FindControl<QFrame>(d, 17)->frameShape(), QFrame::HLine);
    auto* hidden = FindControl<QPushButton>(d, 18);
    QVERIFY(hidden->isHidden());
    QVERIFY(!hidden->isEnabled());
    auto* last = FindControl<QLabel>(d, 19);
    QCOMPARE(last->text(), QString("Fin &"));  // no control follows: the mnemonic is dropped
    QCOMPARE(last->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }

  void builderUsesRegisteredClassesAndReportsUnknownOnes() {
    DialogTemplate t;
    t.cx = 342;
    t.cy = 181;
    t.controls = {Control(1047, "WndDirectUI", "", {221, 0, 121, 181}, {"TABSTOP"}),
                  Control(2000, "SysIPAddress32", "", {0, 0, 50, 12})};
    DialogBuilder builder;
    const ControlTemplate* seen = nullptr;
    builder.RegisterClass("wnddirectui", [&](const ControlTemplate& c, QWidget* parent) {
      seen = &c;
      auto* bar = new QLabel("side bar", parent);
      bar->setObjectName("sideBar");
      return bar;
    });
    QWidget host;
    std::string error;
    QVERIFY(!builder.BuildInto(t, host, &error));
    QCOMPARE(error, std::string("unknown window class \"SysIPAddress32\" (control 2000)"));
    QVERIFY(seen && seen->id == 1047);
    auto* bar = FindControl<QLabel>(&host, 1047);
    QVERIFY(bar);
    QCOMPARE(bar->objectName(), QString("sideBar"));
    QCOMPARE(bar->geometry(), DialogRectToPixels(221, 0, 121, 181, BaseUnitsOf(host.font())));
    QCOMPARE(ControlIdOf(FindControl<QWidget>(&host, 2000)), 2000);  // placeholder keeps the id
  }

  void recordingMessageBoxesRecordAndAnswer() {
    RecordingMessageBoxes boxes;
    boxes.answers = {MessageAnswer::No};
    Message question{"C'est la premi\xe8re fois", "Colorohm", MessageButtons::YesNo, MessageIcon::Question, 0, true};
    QCOMPARE(boxes.Show(question), MessageAnswer::No);
    QCOMPARE(boxes.Show(question), MessageAnswer::Yes);  // queue empty: the default button
    Message error{"Une erreur", "Colorohm", MessageButtons::YesNoCancel, MessageIcon::Stop, 2};
    QCOMPARE(boxes.Show(error), MessageAnswer::Cancel);
    error.defaultButton = 7;  // out of range: the first button, as Windows does
    QCOMPARE(boxes.Show(error), MessageAnswer::Yes);
    QCOMPARE(boxes.shown.size(), size_t(4));
    QCOMPARE(boxes.shown[0].text, std::string("C'est la premi\xe8re fois"));
    QVERIFY(boxes.shown[0].topmost);
    QCOMPARE(boxes.shown[2].buttons, MessageButtons::YesNoCancel);
  }

  void qtMessageBoxShowsTheButtonsAndReturnsTheOneClicked() {
    OnNextModal([](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      QCOMPARE(box->text(), QString::fromUtf8("Vérifiez <b>ceci</b>"));
      QCOMPARE(box->textFormat(), Qt::PlainText);
      QCOMPARE(box->windowTitle(), QString("Tallyra"));
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->buttons().size(), 3);
      QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::No);
      box->button(QMessageBox::Cancel)->click();
    });
    QtMessageBoxes boxes;
    const Message message{"V\xe9rifiez <b>ceci</b>", "Tallyra", MessageButtons::YesNoCancel, MessageIcon::Exclamation, 1};
    QCOMPARE(boxes.Show(message), MessageAnswer::Cancel);
  }

  void qtSaveDialogAppliesTheRequest() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Enregistrer l'image de la résistance"));
      QCOMPARE(dialog->nameFilters(), (QStringList{"Images Bitmap (*.bmp)", "Tous les fichiers (*)"}));
      QCOMPARE(dialog->directory().absolutePath(), dir.path());
      QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
      dialog->selectFile("resistance");
      static_cast<QDialog*>(dialog)->accept();
    });
    QtFileDialogs dialogs;
    FileDialogRequest request{"Enregistrer l'image de la r\xe9sistance", "Images Bitmap|*.bmp|Tous les fichiers|*.*||",
                              dir.path().toStdString(), "", "bmp", true};
    QCOMPARE(QString::fromStdString(dialogs.Save(request)), dir.filePath("resistance.bmp"));
  }

  void qtOpenDialogCancelledGivesEmpty() {
    OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QtFileDialogs dialogs;
    QCOMPARE(dialogs.Open({"Ouvrir", "Donn\xe9" "es|*.dat||", "/", "", "", true}), std::string());
  }

  void recordingFileDialogsAnswerFromTheScript() {
    RecordingFileDialogs dialogs;
    dialogs.answers = {"/tmp/a.txt"};
    QCOMPARE(dialogs.Save({"Exporter", "Texte|*.txt||", "/tmp", "mt", "txt", false}), std::string("/tmp/a.txt"));
    QCOMPARE(dialogs.Open({"Ouvrir", "", "", "", "", true}), std::string());  // queue empty: cancel
    QCOMPARE(dialogs.calls.size(), size_t(2));
    QVERIFY(dialogs.calls[0].save && !dialogs.calls[0].request.confirmOverwrite);
    QVERIFY(!dialogs.calls[1].save);
  }

  void clipboardsKeepOnlyTheLastFormat() {
    RecordingClipboard recording;
    QImage image(80, 34, QImage::Format_RGB32);
    image.fill(Qt::red);
    recording.SetImage(image);
    recording.SetText("4,7 kOhms \xe0 5 %");
    QVERIFY(!recording.image);
    QCOMPARE(*recording.text, std::string("4,7 kOhms \xe0 5 %"));
    QCOMPARE(recording.writes, 2);

    QtClipboard clipboard;
    clipboard.SetImage(image);
    clipboard.SetText("4,7 kOhms \xe0 5 %");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("4,7 kOhms à 5 %"));
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    clipboard.SetImage(image);
    QCOMPARE(QGuiApplication::clipboard()->image().pixelColor(1, 1), QColor(Qt::red));
  }

  void recordingPrinterKeepsThePaintedPages() {
    RecordingPrinter printer;
    printer.pageSize = QSize(100, 60);
    int calls = 0;
    const PagePainter paint = [&](QPainter& painter, int page, const QRect& rect) {
      ++calls;
      QCOMPARE(rect, QRect(0, 0, 100, 60));
      painter.fillRect(QRect(50, 50, 10, 10), page == 0 ? Qt::black : Qt::blue);
    };
    QVERIFY(printer.Print("Colorohm", 2, paint));
    QCOMPARE(printer.documents.size(), size_t(1));
    QCOMPARE(printer.documents[0].name, std::string("Colorohm"));
    QCOMPARE(printer.documents[0].pages.size(), size_t(2));
    QCOMPARE(printer.documents[0].pages[0].pixelColor(55, 55), QColor(Qt::black));
    QCOMPARE(printer.documents[0].pages[1].pixelColor(55, 55), QColor(Qt::blue));
    QCOMPARE(printer.documents[0].pages[1].pixelColor(5, 5), QColor(Qt::white));

    printer.available = false;
    QVERIFY(!printer.Print("Colorohm", 1, paint));
    QCOMPARE(printer.documents.size(), size_t(1));
    QCOMPARE(calls, 2);
  }

  void qtPrinterWithoutAPrinterPrintsNothing() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    QtPrinter printer;
    bool painted = false;
    QVERIFY(!printer.Print("Colorohm", 1, [&](QPainter&, int, const QRect&) { painted = true; }));
    QVERIFY(!painted);
  }
};

QTEST_MAIN(UiTest)
#include "UiTest.moc"
