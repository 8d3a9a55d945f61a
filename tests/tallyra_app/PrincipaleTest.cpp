// Principale on real widgets (offscreen), each test with its own folder, data file and settings
// store, and recording message boxes and file dialogs.

#include "platform/registry/Registry.h"
#include "platform/text/Text.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "tallyra/app/Principale.h"
#include "tallyra/core/SettingsStore.h"
#include "tallyra/core/RecordWriter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace tallyra;

namespace {

std::string Cp(std::string_view utf8) { return platform::Cp1252FromUtf8(utf8); }

ResultRecord Record(std::string_view name, std::string_view quiz, int score,
                    std::string_view takenAt) {
  ResultRecord record;
  record.StudentName = Cp(name);
  record.QuizName = Cp(quiz);
  record.ScorePercent = score;
  record.TakenAt = takenAt;
  record.Questions.resize(1);
  return record;
}

std::string DataText(std::string_view versionLine, const std::vector<ResultRecord>& records) {
  std::string text;
  AppendLine(text, versionLine);
  for (const ResultRecord& record : records) {
    AppendRecord(text, record);
  }
  return text;
}

// Dupont and DUPONT are one student; Zoé took a questionnaire without a name.
const std::vector<ResultRecord> kRecords{
    Record("Dupont", "Calcul", 75, "12/05/2004 14:30:00"),
    Record("Martin", "Calcul", 80, "13/05/2004 09:00:00"),
    Record("DUPONT", "Lecture", 50, "12/05/2004 15:00:00"),
    Record("Dupont", "Calcul", 79, "14/05/2004 10:00:00"),
    Record("Zoé", "", 100, "15/05/2004 11:00:00"),
};

QStringList Texts(const QTreeWidgetItem* parent) {
  QStringList texts;
  for (int i = 0; i < parent->childCount(); ++i) {
    texts << parent->child(i)->text(0);
  }
  return texts;
}

QStringList Row(const QTreeWidget* list, int row) {
  const QTreeWidgetItem* item = list->topLevelItem(row);
  return {item->text(0), item->text(1)};
}

QStringList Headers(const QTreeWidget* list) {
  return {list->headerItem()->text(0), list->headerItem()->text(1)};
}

QTreeWidgetItem* Node(Principale& w, const QString& first, const QString& second = {}) {
  QTreeWidgetItem* root = w.TreeEleves()->topLevelItem(0);
  for (int i = 0; i < root->childCount(); ++i) {
    QTreeWidgetItem* level1 = root->child(i);
    if (level1->text(0) != first) {
      continue;
    }
    if (second.isNull()) {
      return level1;
    }
    for (int k = 0; k < level1->childCount(); ++k) {
      if (level1->child(k)->text(0) == second) {
        return level1->child(k);
      }
    }
  }
  return nullptr;
}

void Click(QTreeWidget* view, QTreeWidgetItem* item) {
  QVERIFY(item != nullptr);
  view->scrollToItem(item);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
}

std::string ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
}

} // namespace

class PrincipaleTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<platform::RegistryStore> store_;
  platform::RecordingMessageBoxes messages_;
  platform::RecordingFileDialogs files_;
  Settings settings_;

  QString Path(const QString& name) const { return dir_->filePath(name); }
  std::string DataPath() const { return Path("mt.dat").toStdString(); }
  void WriteData(const std::string& bytes, const QString& name = "mt.dat") {
    QFile file(Path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::unique_ptr<Principale> Open() {
    auto w = std::make_unique<Principale>(
        settings_, PrincipaleServices{*store_, messages_, files_, "/opt/solvane/Tallyra"});
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) {
      return nullptr;
    }
    return w;
  }

private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_STATE_HOME", Path("state").toUtf8());
    store_ = std::make_unique<platform::RegistryStore>(Path("registry.db").toStdString());
    messages_ = {};
    files_ = {};
    settings_ = Settings{};
    settings_.dataPath = DataPath();
    WriteData(DataText("1.4", kRecords));
  }

  void cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
    }
    store_.reset();
    dir_.reset();
  }

  void loadBuildsTheTreeAndCounts() {
    auto w = Open();
    QVERIFY(w);
    QCOMPARE(w->TreeEleves()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = w->TreeEleves()->topLevelItem(0);
    QCOMPARE(root->text(0), QString("Tallyra"));
    QVERIFY(root->font(0).bold());
    QCOMPARE(Texts(root), QStringList({"Dupont", "Martin", "Zoé"}));
    QCOMPARE(Texts(root->child(0)), QStringList({"Calcul", "Lecture"}));
    QCOMPARE(Texts(root->child(2)), QStringList({" "}));  // an empty questionnaire name
    QVERIFY(root->child(0)->font(0).bold());
    QCOMPARE(root->child(0)->foreground(0).color(), QColor(0, 0, 128));
    QVERIFY(!root->child(0)->child(0)->font(0).bold());
    QCOMPARE(w->StatusText(), QString("3 élève(s) - 3 questionnaire(s) effectué(s)."));
    QCOMPARE(Headers(w->ViewResultats()), QStringList({"Date", "Résultats"}));
    QVERIFY(!w->Commands().graphique->isEnabled());
    QVERIFY(!w->Commands().details->isEnabled());
    QVERIFY(messages_.shown.empty());

    // Refreshing again and again keeps the counts.
    w->Commands().rafraichir->trigger();
    w->Commands().rafraichir->trigger();
    QCOMPARE(w->StatusText(), QString("3 élève(s) - 3 questionnaire(s) effectué(s)."));
    QCOMPARE(Texts(w->TreeEleves()->topLevelItem(0)).size(), 3);
  }

  void loadWithoutDataPathWarnsAtEveryLoad() {
    settings_.dataPath.clear();
    auto w = Open();
    QVERIFY(w);
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    const platform::Message& m = messages_.shown[0];
    QCOMPARE(platform::Utf8FromCp1252(m.text),
             std::string("Aucun fichier de données n'a été spécifié !\r\n"
                         "Les résultats ne seront pas enregistrés.\r\n\r\n"
                         "Pour spécifier un fichier de données, cliquez sur le menu Affichage "
                         "puis sur Options."));
    QCOMPARE(platform::Utf8FromCp1252(m.caption), std::string("Attention !"));
    QCOMPARE(m.icon, platform::MessageIcon::Stop);
    QCOMPARE(w->StatusText(), QString("0 élève(s) - 0 questionnaire(s) effectué(s)."));
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    w->Commands().rafraichir->trigger();
    QCOMPARE(messages_.shown.size(), std::size_t{2});
  }

  void loadOfANewerFileWarnsAndLeavesItAlone() {
    const std::string newer = DataText("2.0", kRecords);
    WriteData(newer);
    auto w = Open();
    QVERIFY(w);
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(platform::Utf8FromCp1252(messages_.shown[0].text),
             std::string("Version du fichier de données incorrecte ou fichier endommagé !"));
    QCOMPARE(messages_.shown[0].caption, std::string("Importer"));
    QCOMPARE(messages_.shown[0].icon, platform::MessageIcon::Exclamation);
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    QCOMPARE(ReadAll(Path("mt.dat")), newer);
  }

  void missingDataFileShowsTheRootAlone() {
    QVERIFY(QFile::remove(Path("mt.dat")));
    auto w = Open();
    QVERIFY(w);
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    QVERIFY(messages_.shown.empty());
  }

  void secondLevelNodeListsColouredRows_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<QColor>>("colours");
    const QColor green(0, 128, 0), orange(192, 140, 0), red(192, 0, 0);
    QTest::newRow("75 and 79 % show 15, orange")
        << "Dupont" << "Calcul" << QStringList{"15", "15"} << QList<QColor>{orange, orange};
    QTest::newRow("80 % shows 16, green") << "Martin" << "Calcul" << QStringList{"16"}
                                          << QList<QColor>{green};
    QTest::newRow("DUPONT's 50 % under Dupont shows 10, red")
        << "Dupont" << "Lecture" << QStringList{"10"} << QList<QColor>{red};
  }

  void secondLevelNodeListsColouredRows() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, scores);
    QFETCH(QList<QColor>, colours);
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, first, second));
    QTreeWidget* list = w->ViewResultats();
    QCOMPARE(Headers(list), QStringList({"Date", "Note /20"}));
    QCOMPARE(list->topLevelItemCount(), scores.size());
    for (int i = 0; i < scores.size(); ++i) {
      QCOMPARE(list->topLevelItem(i)->text(1), scores[i]);
      QCOMPARE(list->topLevelItem(i)->foreground(0).color(), colours[i]);
      QCOMPARE(list->topLevelItem(i)->foreground(1).color(), colours[i]);
    }
    QVERIFY(w->Commands().graphique->isEnabled());
    QVERIFY(w->ToolAction("Histogramme")->isEnabled());
    QVERIFY(!w->Commands().details->isEnabled());
    QCOMPARE(platform::Utf8FromCp1252(w->CurrentSelection().nodeText), second.toStdString());
    QCOMPARE(platform::Utf8FromCp1252(w->CurrentSelection().parentText), first.toStdString());
  }

  void rowsFollowTheFileOrder() {
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    QCOMPARE(Row(w->ViewResultats(), 0), QStringList({"12/05/2004 14:30:00", "15"}));
    QCOMPARE(Row(w->ViewResultats(), 1), QStringList({"14/05/2004 10:00:00", "15"}));
  }

  void firstLevelAndRootClicks() {
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 2);

    // The root leaves the list as it is, but disables the graph.
    Click(w->TreeEleves(), w->TreeEleves()->topLevelItem(0));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 2);
    QVERIFY(!w->Commands().graphique->isEnabled());

    // A first-level node empties the list and sets the headers.
    Click(w->TreeEleves(), Node(*w, "Martin"));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 0);
    QCOMPARE(Headers(w->ViewResultats()), QStringList({"Date", "Note /20"}));
    QVERIFY(!w->Commands().graphique->isEnabled());
    QVERIFY(!w->Commands().details->isEnabled());
    QCOMPARE(w->CurrentSelection().parentText, std::string("Tallyra"));
  }

  void keyboardSelectsNodesAsClicksDo() {
    auto w = Open();
    QVERIFY(w);
    w->TreeEleves()->setFocus();
    w->TreeEleves()->setCurrentItem(Node(*w, "Martin", "Calcul"));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 1);
  }

  void listClickEnablesDetailsAndRemembersTheRow() {
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    Click(w->ViewResultats(), w->ViewResultats()->topLevelItem(1));
    QVERIFY(w->Commands().details->isEnabled());
    QVERIFY(w->ToolAction("Details")->isEnabled());
    QCOMPARE(w->CurrentSelection().rowText, std::string("14/05/2004 10:00:00"));
    QCOMPARE(w->CurrentSelection().rowSecond, std::string("15"));
    // A new node click disables it again.
    Click(w->TreeEleves(), Node(*w, "Martin", "Calcul"));
    QVERIFY(!w->Commands().details->isEnabled());
  }

  void percentScores() {
    settings_.scoreUnit = ScoreUnit::Percent;
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    QCOMPARE(Headers(w->ViewResultats()), QStringList({"Date", "Note  %"}));
    QCOMPARE(Row(w->ViewResultats(), 1), QStringList({"14/05/2004 10:00:00", "79"}));
  }

  void sortMenuChangesTheArrangement() {
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    QVERIFY(w->Commands().affichage[0]->isChecked());

    w->Commands().affichage[4]->trigger();  // "Par &questionnaire" > "Puis par &résultat"
    QCOMPARE(w->CurrentSettings().sortOrder, 4);
    for (int order = 0; order < 12; ++order) {
      QCOMPARE(w->Commands().affichage[static_cast<std::size_t>(order)]->isChecked(), order == 4);
    }
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 0);  // the list is cleared
    QTreeWidgetItem* root = w->TreeEleves()->topLevelItem(0);
    QCOMPARE(Texts(root), QStringList({"Calcul", "Lecture"}));  // no node for an empty level 1
    QCOMPARE(Texts(root->child(0)), QStringList({"15", "16"}));

    // A score arrangement without graph: no colour, no graph.
    Click(w->TreeEleves(), Node(*w, "Calcul", "15"));
    QCOMPARE(Headers(w->ViewResultats()), QStringList({"Date", "Nom"}));
    QCOMPARE(Row(w->ViewResultats(), 0), QStringList({"12/05/2004 14:30:00", "Dupont"}));
    QCOMPARE(w->ViewResultats()->topLevelItem(0)->foreground(0).style(), Qt::NoBrush);
    QVERIFY(!w->Commands().graphique->isEnabled());
  }

  void dropDownChangesTheArrangement() {
    auto w = Open();
    QVERIFY(w);
    const QList<QAction*> entries = w->AffichageDropDown()->actions();
    QCOMPARE(entries.size(), 15);
    QVERIFY(entries[3]->isSeparator() && entries[7]->isSeparator() && entries[11]->isSeparator());
    QCOMPARE(entries[4]->text(), QString("Par questionnaire - nom"));
    QCOMPARE(entries[14]->text(), QString("Par date - résultat"));

    entries[12]->trigger();  // entry 13: "Par date - nom"
    QCOMPARE(w->CurrentSettings().sortOrder, 9);
    QVERIFY(w->Commands().affichage[9]->isChecked());
    QVERIFY(!w->Commands().affichage[0]->isChecked());
    QCOMPARE(Texts(w->TreeEleves()->topLevelItem(0)),
             QStringList({"12/05/2004", "13/05/2004", "14/05/2004", "15/05/2004"}));
    Click(w->TreeEleves(), Node(*w, "12/05/2004", "Dupont"));
    QCOMPARE(Headers(w->ViewResultats()), QStringList({"Questionnaire", "Note /20"}));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 2);
  }

  void resizePlacesTreeAndList() {
    auto w = Open();
    QVERIFY(w);
    w->resize(800, 600);
    QTRY_COMPARE(w->size(), QSize(800, 600));
    // Twips are taken from the outer size, frame included.
    const int outerWidth = w->frameGeometry().width();
    const int outerHeight = w->frameGeometry().height();
    const QRect toolbar = w->Toolbar1()->geometry();
    const QRect tree = w->TreeEleves()->geometry();
    const QRect list = w->ViewResultats()->geometry();
    QCOMPARE(tree.left(), 0);
    QCOMPARE(tree.width(), 305);  // 4575 twips
    QCOMPARE(list.left(), 312);   // 4680 twips
    QVERIFY(qAbs(list.width() - (outerWidth - 305 - 15)) <= 1);  // W - 4575 - 230 twips
    QVERIFY(qAbs(w->ViewResultats()->columnWidth(0) - list.width() / 2) <= 1);
    QVERIFY(qAbs(w->ViewResultats()->columnWidth(1) - (list.width() / 2 - 4)) <= 1);
    QVERIFY(qAbs(list.top() - (toolbar.bottom() + 1 + 7)) <= 1);  // 100 twips below
    QCOMPARE(tree.top(), list.top());
    QCOMPARE(tree.height(), list.height());
    const int statusHeight = w->statusBar()->height();
    const int withStatus = list.height();
    QVERIFY(qAbs(withStatus - (outerHeight - toolbar.height() - statusHeight - 62)) <= 1);  // 930 twips

    w->Commands().barreEtat->trigger();
    QVERIFY(!w->statusBar()->isVisible());
    QCOMPARE(w->CurrentSettings().showStatusBar, 0);
    QVERIFY(qAbs(w->ViewResultats()->height() - (withStatus + statusHeight)) <= 1);

    w->Commands().barreOutils->trigger();
    QVERIFY(!w->Toolbar1()->isVisible());
    QCOMPARE(w->CurrentSettings().showToolbar, 0);
    QCOMPARE(w->TreeEleves()->y(), 3);  // 50 twips
    QVERIFY(qAbs(w->TreeEleves()->height() - (outerHeight - 49)) <= 1);  // 740 twips

    w->Commands().barreOutils->trigger();
    QCOMPARE(w->CurrentSettings().showToolbar, -1);
    QVERIFY(w->Toolbar1()->isVisible());

    // Too small for the layout: nothing goes negative.
    w->resize(200, 60);
    QTRY_COMPARE(w->ViewResultats()->width(), 0);
    QCOMPARE(w->TreeEleves()->height(), 0);
  }

  void applySettingsSetsBarsAndCaptions() {
    settings_.showStatusBar = 0;
    settings_.toolbarCaptions = 0;
    settings_.flatToolbar = 0;
    settings_.sortOrder = 7;
    auto w = Open();
    QVERIFY(w);
    QVERIFY(!w->Commands().barreEtat->isChecked());
    QVERIFY(!w->statusBar()->isVisible());
    QVERIFY(w->Commands().barreOutils->isChecked());
    QVERIFY(w->Commands().affichage[7]->isChecked());
    for (const char* key : {"Importer", "Histogramme", "Details", "Affichage", "Aide"}) {
      QCOMPARE(w->ToolAction(key)->text(), QString());
      QVERIFY(!w->ToolButton(key)->autoRaise());
    }

    w->CurrentSettings().toolbarCaptions = 1;
    w->CurrentSettings().flatToolbar = 1;
    w->ApplySettings();
    QStringList captions;
    for (const char* key : {"Importer", "Histogramme", "Details", "Affichage", "Aide"}) {
      captions << w->ToolAction(key)->text();
      QVERIFY(w->ToolButton(key)->autoRaise());
    }
    QCOMPARE(captions, QStringList({"Importer", "Graphique", "Détails", "Affichage", "Aide"}));
    QCOMPARE(w->ToolAction("Importer")->toolTip(),
             QString("Importe une liste d'élèves et de questionnaires"));

    w->CurrentSettings().sortOrder = 2;
    w->ApplySettings();
    for (int order = 0; order < 12; ++order) {
      QCOMPARE(w->Commands().affichage[static_cast<std::size_t>(order)]->isChecked(), order == 2);
    }
  }

  // Buttons without a tooltip of their own show none, rather than their caption.
  void toolbarTooltips_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("Importer") << "Importer" << "Importe une liste d'élèves et de questionnaires";
    QTest::newRow("Histogramme") << "Histogramme"
                                 << "Trace les résultats de l'élève dans un graphique";
    QTest::newRow("Details") << "Details" << QString();
    QTest::newRow("Affichage") << "Affichage" << QString();
    QTest::newRow("Aide") << "Aide" << "Aide sur ce programme";
  }

  void toolbarTooltips() {
    QFETCH(QString, key);
    QFETCH(QString, tooltip);
    auto w = Open();
    QVERIFY(w);
    QToolButton* button = w->ToolButton(key.toStdString());
    QVERIFY(button != nullptr);
    const QPoint at = button->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &help);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tooltip);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
  }

  void menusShortcutsAndLaterCommands() {
    auto w = Open();
    QVERIFY(w);
    const PrincipaleCommands& c = w->Commands();
    QCOMPARE(c.quitter->shortcut(), QKeySequence("Ctrl+Q"));
    QCOMPARE(c.rafraichir->shortcut(), QKeySequence("F5"));
    QCOMPARE(c.details->shortcut(), QKeySequence("Ctrl+D"));
    QCOMPARE(c.graphique->shortcut(), QKeySequence("Ctrl+H"));
    QCOMPARE(c.sommaire->shortcut(), QKeySequence("F1"));
    QCOMPARE(c.vider->text(), QString("&Vider la liste des résultats"));
    QCOMPARE(c.aPropos->text(), QString("&À propos de Mentiva..."));
    QCOMPARE(c.affichage[10]->text(), QString("Puis par &questionnaire"));
    QCOMPARE(c.affichage[10]->parent()->property("title").toString(), QString("Par &date"));
    for (QAction* later : {c.enregistrerHtml, c.enregistrerTxt, c.imprimer, c.options, c.sommaire,
                           c.aPropos, w->ToolAction("Aide")}) {
      QVERIFY2(!later->isEnabled(), qPrintable(later->text()));
    }
    QVERIFY(c.importer->isEnabled() && c.exporter->isEnabled() && c.vider->isEnabled());
  }

  void emptyingAsksFirst() {
    messages_.answers.push_back(platform::MessageAnswer::No);
    auto w = Open();
    QVERIFY(w);
    w->Commands().vider->trigger();
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    const platform::Message& m = messages_.shown[0];
    QCOMPARE(platform::Utf8FromCp1252(m.text),
             std::string("Êtes-vous sûr de vouloir effacer DÉFINITIVEMENT tout le contenu de la "
                         "liste ?"));
    QCOMPARE(m.caption, std::string("Vider la liste"));
    QCOMPARE(m.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(m.icon, platform::MessageIcon::Exclamation);
    QCOMPARE(platform::DefaultAnswerOf(m), platform::MessageAnswer::No);
    QVERIFY(QFile::exists(Path("mt.dat")));
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 3);
  }

  void emptyingDeletesTheDataFile() {
    messages_.answers.push_back(platform::MessageAnswer::Yes);
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Dupont", "Calcul"));
    w->Commands().vider->trigger();
    QVERIFY(!QFile::exists(Path("mt.dat")));
    QCOMPARE(w->TreeEleves()->topLevelItemCount(), 1);
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    QVERIFY(!w->TreeEleves()->topLevelItem(0)->font(0).bold());
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 0);
    QVERIFY(!w->Commands().graphique->isEnabled());
    QCOMPARE(w->StatusText(), QString("3 élève(s) - 3 questionnaire(s) effectué(s)."));

    w->Commands().rafraichir->trigger();
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    QCOMPARE(w->StatusText(), QString("0 élève(s) - 0 questionnaire(s) effectué(s)."));
    QCOMPARE(messages_.shown.size(), std::size_t{1});
  }

  void importAppendsAndReloadsWithoutClearingTheList() {
    WriteData(DataText("1.4", {Record("Léa", "Calcul", 90, "16/05/2004 08:00:00")}), "autre.dat");
    files_.answers.push_back(Path("autre.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    Click(w->TreeEleves(), Node(*w, "Martin", "Calcul"));
    w->Commands().importer->trigger();
    QCOMPARE(files_.calls.size(), std::size_t{1});
    QVERIFY(!files_.calls[0].save);
    QCOMPARE(platform::Utf8FromCp1252(files_.calls[0].request.title),
             std::string("Importer des résultats"));
    QCOMPARE(platform::Utf8FromCp1252(files_.calls[0].request.filter),
             std::string("Fichiers de données|*.dat"));
    QCOMPARE(Texts(w->TreeEleves()->topLevelItem(0)), QStringList({"Dupont", "Martin", "Zoé", "Léa"}));
    QCOMPARE(w->StatusText(), QString("4 élève(s) - 3 questionnaire(s) effectué(s)."));
    QCOMPARE(w->ViewResultats()->topLevelItemCount(), 1);
    QVERIFY(messages_.shown.empty());
  }

  void importFromTheToolbarIntoNoDataFileCreatesIt() {
    QVERIFY(QFile::remove(Path("mt.dat")));
    const std::string source = DataText("1.4", {Record("Léa", "Calcul", 90, "16/05/2004")});
    WriteData(source, "autre.dat");
    files_.answers.push_back(Path("autre.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    w->ToolAction("Importer")->trigger();
    QCOMPARE(ReadAll(Path("mt.dat")), source);
    QCOMPARE(Texts(w->TreeEleves()->topLevelItem(0)), QStringList({"Léa"}));
  }

  void importWithoutDataPathConvertsTheSourceAndWarnsAtTheReload() {
    settings_.dataPath.clear();
    WriteData("1.0\r\nL\xE9a\r\n 0\r\nCalcul\r\n\r\n 90\r\n16/05/2004 08:00:00\r\n", "ancien.dat");
    files_.answers.push_back(Path("ancien.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    w->Commands().importer->trigger();
    QCOMPARE(messages_.shown.size(), std::size_t{2});
    QCOMPARE(messages_.shown[1].caption, std::string("Attention !"));
    QCOMPARE(w->TreeEleves()->topLevelItem(0)->childCount(), 0);
    // The source is in the current format now: version, header, index 0 and one empty entry.
    const std::string converted = ReadAll(Path("ancien.dat"));
    QVERIFY(converted.starts_with("1.4\r\nL\xE9a\r\n 0\r\nCalcul\r\n\r\n 90\r\n"));
    QCOMPARE(std::count(converted.begin(), converted.end(), '\n'), 1 + 27);
  }

  void importOfANewerFileIsRefused() {
    const std::string data = ReadAll(Path("mt.dat"));
    WriteData(DataText("2.0", {Record("Léa", "Calcul", 90, "16/05/2004")}), "autre.dat");
    files_.answers.push_back(Path("autre.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    w->Commands().importer->trigger();
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(platform::Utf8FromCp1252(messages_.shown[0].text),
             std::string("Version du fichier de données incorrecte ou fichier endommagé !"));
    QCOMPARE(messages_.shown[0].caption, std::string("Importer"));
    QCOMPARE(messages_.shown[0].icon, platform::MessageIcon::Exclamation);
    QCOMPARE(ReadAll(Path("mt.dat")), data);
  }

  void importCancelledChangesNothing() {
    const std::string data = ReadAll(Path("mt.dat"));
    auto w = Open();
    QVERIFY(w);
    w->Commands().importer->trigger();
    QCOMPARE(ReadAll(Path("mt.dat")), data);
    QVERIFY(messages_.shown.empty());
  }

  void exportCopiesTheDataFile() {
    files_.answers.push_back(Path("copie.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    w->Commands().exporter->trigger();
    QCOMPARE(files_.calls.size(), std::size_t{1});
    QVERIFY(files_.calls[0].save);
    QCOMPARE(files_.calls[0].request.title, std::string("Exporter"));
    QCOMPARE(platform::Utf8FromCp1252(files_.calls[0].request.filter),
             std::string("Fichier de données|*.dat"));
    QVERIFY(files_.calls[0].request.confirmOverwrite);
    QCOMPARE(ReadAll(Path("copie.dat")), ReadAll(Path("mt.dat")));
    QVERIFY(messages_.shown.empty());
  }

  void exportWithoutDataFileSaysSo() {
    QVERIFY(QFile::remove(Path("mt.dat")));
    files_.answers.push_back(Path("copie.dat").toStdString());
    auto w = Open();
    QVERIFY(w);
    w->Commands().exporter->trigger();
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0].caption, std::string("Exporter"));
    QVERIFY(!QFile::exists(Path("copie.dat")));
  }

  void quitSavesTheSettingsAndRemovesThePrintFile() {
    QVERIFY(QDir().mkpath(Path("state/solvane")));
    WriteData("<html>", "state/solvane/results.htm");
    auto w = Open();
    QVERIFY(w);
    w->Commands().affichage[3]->trigger();
    w->Commands().barreEtat->trigger();
    w->Commands().quitter->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(!QFile::exists(Path("state/solvane/results.htm")));

    const Settings saved = ReadSettings(*store_);
    QCOMPARE(saved.dataPath, DataPath());
    QCOMPARE(saved.sortOrder, 3);
    QCOMPARE(saved.showStatusBar, 0);
    QCOMPARE(saved.showToolbar, 1);
    QCOMPARE(RegReadString(*store_, "Chemin EXE"), std::string("/opt/solvane/Tallyra"));
    QCOMPARE(RegReadString(*store_, "Premier d\xE9marrage"), std::string("non"));

    // The next start shows what was saved.
    settings_ = saved;
    auto again = Open();
    QVERIFY(again);
    QVERIFY(again->Commands().affichage[3]->isChecked());
    QVERIFY(!again->statusBar()->isVisible());
    QCOMPARE(Texts(again->TreeEleves()->topLevelItem(0)), QStringList({"Calcul", "Lecture"}));
    again->close();
  }

  void reloadRestoresTheWindowStateReadAtStart() {
    auto w = Open();
    QVERIFY(w);
    w->setWindowState(Qt::WindowMaximized);
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    w->Commands().rafraichir->trigger();
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));

    settings_.windowState = 2;
    auto maximised = Open();
    QVERIFY(maximised);
    QVERIFY(maximised->windowState() & Qt::WindowMaximized);
    maximised->close();
    QCOMPARE(ReadSettings(*store_).windowState, 2);
    w->close();
  }
};

QTEST_MAIN(PrincipaleTest)
#include "PrincipaleTest.moc"
