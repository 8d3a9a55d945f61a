#pragma once
// Principale, Tallyra's main window: the student tree TreeEleves on the left, the results list
// ViewResultats on the right, menus, toolbar and status bar. Everything it shows is computed by
// tallyra_core from the data file (Results.h); the window only lays it out, keeps the selection
// for the windows that work from it, and runs the commands of the menus.
//
// Construction reads nothing: it builds the widgets, runs the load and applies the settings,
// which are then held in memory until the window closes, when they are written to the store.
// Message boxes and file dialogs come in through the platform interfaces so that tests can
// record them.

#include "tallyra/core/ResultTree.h"
#include "tallyra/core/Results.h"
#include "tallyra/core/Settings.h"

#include <QMainWindow>

#include <array>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {
class FileDialogs;
class MessageBoxes;
class RegistryStore;
} // namespace platform

namespace tallyra {

struct PrincipaleServices {
  platform::RegistryStore& store;
  platform::MessageBoxes& messages;
  platform::FileDialogs& files;
  std::string exePath;  // written as "Chemin EXE" at quit
};

// The menu commands. Those of the graph, details, exports, options and help windows stay
// disabled until those windows exist, except graph and details, which follow the selection.
struct PrincipaleCommands {
  QAction* importer = nullptr;
  QAction* exporter = nullptr;
  QAction* enregistrerHtml = nullptr;
  QAction* enregistrerTxt = nullptr;
  QAction* imprimer = nullptr;
  QAction* quitter = nullptr;
  QAction* barreOutils = nullptr;
  QAction* barreEtat = nullptr;
  std::array<QAction*, 12> affichage{};  // by SortOrder
  QAction* rafraichir = nullptr;
  QAction* options = nullptr;
  QAction* details = nullptr;
  QAction* graphique = nullptr;
  QAction* vider = nullptr;
  QAction* sommaire = nullptr;
  QAction* aPropos = nullptr;
};

class Principale : public QMainWindow {
  Q_OBJECT

public:
  Principale(const Settings& settings, PrincipaleServices services, QWidget* parent = nullptr);
  ~Principale() override;

  // Shows the window at its design size, centred on the screen.
  void ShowCentred();

  void ApplySettings();
  // Ticks the sort entry of SortOrder.
  void CheckSortMenu();
  void SupprimerCoches();
  void Form_Resize();
  // Clears the list and loads again.
  void MenuRafraichir_Click();
  // Fills the list with the rows of node (the root leaves it as it is).
  void TreeEleves_NodeClick(QTreeWidgetItem* node);
  void MenuFichierImporter_Click();
  void MenuFichierExporter_Click();
  void MenuViderListe_Click();
  // Closes the window, which saves the settings.
  void MenuFichierQuitter_Click();
  void MenuBO_Click();  // "Barre d'outils"
  void MenuBE_Click();  // "Barre d'état"
  // A sort menu entry, by SortOrder.
  void MenuAffichage_Click(int sortOrder);
  // An entry of the toolbar drop-down, numbered from 1 (separators at 4, 8, 12).
  void Toolbar1_ButtonMenuClick(int index);
  // A toolbar button, by key.
  void Toolbar1_ButtonClick(std::string_view key);

  const Settings& CurrentSettings() const { return settings_; }
  Settings& CurrentSettings() { return settings_; }
  // The remembered node, parent and row texts (Windows-1252) of the last clicks.
  const Selection& CurrentSelection() const { return selection_; }
  const PrincipaleCommands& Commands() const { return commands_; }
  QTreeWidget* TreeEleves() const { return tree_; }
  QTreeWidget* ViewResultats() const { return list_; }
  QToolBar* Toolbar1() const { return toolbar_; }
  // The toolbar button of key ("Importer", "Histogramme", "Details", "Affichage", "Aide"), and
  // the action it shows (its enabled state and caption).
  QToolButton* ToolButton(std::string_view key) const;
  QAction* ToolAction(std::string_view key) const;
  QMenu* AffichageDropDown() const { return dropDown_; }
  QString StatusText() const;

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildMenus();
  void BuildToolbar();
  void Load(bool clearList);
  void FillTree();
  void EnableGraph(bool enabled);
  void EnableDetails(bool enabled);
  void ListClick(QTreeWidgetItem* row);
  void ApplyWindowState();
  int CurrentWindowState() const;

  Settings settings_;
  PrincipaleServices services_;
  int startupWindowState_;
  PrincipaleCommands commands_;
  QWidget* client_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::vector<QAction*> toolActions_;  // by position, separators included
  QMenu* dropDown_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* status_ = nullptr;
  ResultTree results_;          // the tree of the last load; item data index into it
  std::vector<ResultRow> rows_; // the rows of the list, as the core gave them
  Selection selection_;
  bool saved_ = false;
};

} // namespace tallyra
