#include "tallyra/app/Principale.h"

#include "platform/ui/DialogUnits.h"
#include "tallyra/app/MainLayout.h"
#include "tallyra/core/SettingsStore.h"
#include "tallyra/app/Texts.h"
#include "platform/files/Files.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>

namespace tallyra {
namespace {

constexpr int kDesignWidth = 9195;
constexpr int kDesignHeight = 6270;
constexpr int kDesignTop = 720;
constexpr int kDesignHeightOfViews = 5295;

QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int Px(int twips) { return platform::TwipsToPixels(twips); }
int Twips(int pixels) { return platform::PixelsToTwips(pixels); }
QRect PxRect(const TwipsRect& r) { return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)}; }

// The toolbar's buttons by position; an empty key is a separator.
struct ToolDesign {
  std::string_view key;
  std::string_view designCaption;
  std::string_view caption;
  std::string_view tooltip;
  QStyle::StandardPixmap icon;
};

constexpr std::array<ToolDesign, 7> kToolbar{{
    {"Importer", texts::kToolImporterDesign, texts::kToolImporter, texts::kTipImporter,
     QStyle::SP_DialogOpenButton},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"Histogramme", texts::kToolGraphique, texts::kToolGraphique, texts::kTipGraphique,
     QStyle::SP_FileDialogContentsView},
    {"Details", texts::kToolDetailsDesign, texts::kToolDetails, "",
     QStyle::SP_FileDialogDetailedView},
    {"Affichage", texts::kToolAffichage, texts::kToolAffichage, "", QStyle::SP_FileDialogListView},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"Aide", texts::kToolAide, texts::kToolAide, texts::kTipAide, QStyle::SP_DialogHelpButton},
}};

} // namespace

Principale::Principale(const Settings& settings, PrincipaleServices services, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      services_(std::move(services)),
      startupWindowState_(settings.windowState) {
  setWindowTitle(Q(texts::kCaption));

  client_ = new QWidget(this);
  setCentralWidget(client_);
  client_->installEventFilter(this);

  tree_ = new QTreeWidget(client_);
  tree_->setHeaderHidden(true);
  tree_->setGeometry(0, Px(kDesignTop), Px(kTreeWidth), Px(kDesignHeightOfViews));
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { TreeEleves_NodeClick(item); });
  // The keyboard selects nodes too; a mouse click is handled once, on release.
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr && QGuiApplication::mouseButtons() == Qt::NoButton) {
      TreeEleves_NodeClick(item);
    }
  });

  list_ = new QTreeWidget(client_);
  list_->setColumnCount(2);
  list_->setHeaderLabels({Q(texts::kHeaderDate), Q(texts::kHeaderResultats)});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->setGeometry(Px(kListLeft), Px(kDesignTop), Px(kTreeWidth), Px(kDesignHeightOfViews));
  connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row) { ListClick(row); });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
    if (row != nullptr && QGuiApplication::mouseButtons() == Qt::NoButton) {
      ListClick(row);
    }
  });

  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(true);

  BuildMenus();
  BuildToolbar();
  resize(Px(kDesignWidth), Px(kDesignHeight));

  Load(true);
  ApplySettings();
}

Principale::~Principale() = default;

void Principale::BuildMenus() {
  auto add = [this](QMenu* menu, std::string_view text, void (Principale::*slot)() = nullptr,
                    const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(Q(text));
    action->setShortcut(shortcut);
    if (slot != nullptr) {
      connect(action, &QAction::triggered, this, slot);
    } else {
      action->setEnabled(false);
    }
    return action;
  };
  PrincipaleCommands& c = commands_;

  QMenu* fichier = menuBar()->addMenu(Q(texts::kMenuFichier));
  c.importer = add(fichier, texts::kImporter, &Principale::MenuFichierImporter_Click);
  c.exporter = add(fichier, texts::kExporter, &Principale::MenuFichierExporter_Click);
  fichier->addSeparator();
  c.enregistrerHtml = add(fichier, texts::kEnregistrerHtml);
  c.enregistrerTxt = add(fichier, texts::kEnregistrerTxt);
  c.imprimer = add(fichier, texts::kImprimer);
  fichier->addSeparator();
  c.quitter = add(fichier, texts::kQuitter, &Principale::MenuFichierQuitter_Click,
                  QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* affichage = menuBar()->addMenu(Q(texts::kMenuAffichage));
  c.barreOutils = add(affichage, texts::kBarreOutils, &Principale::MenuBO_Click);
  c.barreEtat = add(affichage, texts::kBarreEtat, &Principale::MenuBE_Click);
  for (QAction* bar : {c.barreOutils, c.barreEtat}) {
    bar->setCheckable(true);
    bar->setChecked(true);
  }
  affichage->addSeparator();
  for (int order = 0; order < kSortOrderCount; ++order) {
    const auto group = static_cast<std::size_t>(order / 3);
    if (order % 3 == 0) {
      affichage->addMenu(Q(texts::kSortMenus[group]));
    }
    QMenu* submenu = affichage->actions().last()->menu();
    QAction* entry = submenu->addAction(Q(texts::kSortEntries[group][order % 3]));
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, order] { MenuAffichage_Click(order); });
    c.affichage[static_cast<std::size_t>(order)] = entry;
  }
  affichage->addSeparator();
  c.rafraichir = add(affichage, texts::kRafraichir, &Principale::MenuRafraichir_Click,
                     QKeySequence(Qt::Key_F5));
  c.options = add(affichage, texts::kOptions);

  QMenu* resultats = menuBar()->addMenu(Q(texts::kMenuResultats));
  c.details = add(resultats, texts::kDetails, nullptr, QKeySequence(Qt::CTRL | Qt::Key_D));
  c.graphique = add(resultats, texts::kCreerGraphique, nullptr, QKeySequence(Qt::CTRL | Qt::Key_H));
  resultats->addSeparator();
  c.vider = add(resultats, texts::kVider, &Principale::MenuViderListe_Click);

  QMenu* aide = menuBar()->addMenu(Q(texts::kMenuAide));
  c.sommaire = add(aide, texts::kSommaire, nullptr, QKeySequence(Qt::Key_F1));
  aide->addSeparator();
  c.aPropos = add(aide, texts::kAPropos);
}

void Principale::BuildToolbar() {
  toolbar_ = new QToolBar(client_);
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (const ToolDesign& design : kToolbar) {
    if (design.key.empty()) {
      toolActions_.push_back(toolbar_->addSeparator());
      continue;
    }
    QAction* action = toolbar_->addAction(style()->standardIcon(design.icon), Q(design.designCaption));
    action->setObjectName(Q(design.key));
    action->setToolTip(Q(design.tooltip));
    const std::string key(design.key);
    connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    toolActions_.push_back(action);
  }

  dropDown_ = new QMenu(this);
  for (int index = 1; index <= 15; ++index) {
    if (index % 4 == 0) {
      dropDown_->addSeparator();
      continue;
    }
    const int order = index - 1 - (index - 1) / 4;
    QAction* entry = dropDown_->addAction(Q(texts::kSortDropDown[static_cast<std::size_t>(order)]));
    connect(entry, &QAction::triggered, this, [this, index] { Toolbar1_ButtonMenuClick(index); });
  }
  // Qt shows a button's caption as its tooltip when it has none of its own.
  for (const ToolDesign& design : kToolbar) {
    if (!design.key.empty() && design.tooltip.empty()) {
      ToolButton(design.key)->installEventFilter(this);
    }
  }
  QAction* affichage = toolActions_[4];
  affichage->setMenu(dropDown_);
  ToolButton("Affichage")->setPopupMode(QToolButton::MenuButtonPopup);
  ToolAction("Aide")->setEnabled(false);
}

QAction* Principale::ToolAction(std::string_view key) const {
  for (QAction* action : toolActions_) {
    if (!action->isSeparator() && action->objectName() == Q(key)) {
      return action;
    }
  }
  return nullptr;
}

QToolButton* Principale::ToolButton(std::string_view key) const {
  QAction* action = ToolAction(key);
  return action == nullptr ? nullptr : qobject_cast<QToolButton*>(toolbar_->widgetForAction(action));
}

void Principale::Toolbar1_ButtonClick(std::string_view key) {
  if (key == "Importer") {
    MenuFichierImporter_Click();
  } else if (key == "Histogramme") {
    commands_.graphique->trigger();
  } else if (key == "Details") {
    commands_.details->trigger();
  }
}

void Principale::Toolbar1_ButtonMenuClick(int index) {
  if (index < 1 || index > 15 || index % 4 == 0) {
    return;
  }
  settings_.sortOrder = index - 1 - (index - 1) / 4;
  CheckSortMenu();
  MenuRafraichir_Click();
}

void Principale::MenuAffichage_Click(int sortOrder) {
  SupprimerCoches();
  commands_.affichage[static_cast<std::size_t>(sortOrder)]->setChecked(true);
  settings_.sortOrder = sortOrder;
  MenuRafraichir_Click();
}

void Principale::SupprimerCoches() {
  for (QAction* entry : commands_.affichage) {
    entry->setChecked(false);
  }
}

void Principale::CheckSortMenu() {
  // Settings applied again (with another arrangement) must not leave the old entry ticked.
  SupprimerCoches();
  if (settings_.sortOrder >= 0 && settings_.sortOrder < kSortOrderCount) {
    commands_.affichage[static_cast<std::size_t>(settings_.sortOrder)]->setChecked(true);
  }
}

void Principale::ApplySettings() {
  CheckSortMenu();
  const bool captions = settings_.toolbarCaptions != 0;
  for (std::size_t position = 0; position < kToolbar.size(); ++position) {
    if (!kToolbar[position].key.empty()) {
      toolActions_[position]->setText(captions ? Q(kToolbar[position].caption) : QString());
      ToolButton(kToolbar[position].key)->setAutoRaise(settings_.flatToolbar != 0);
    }
  }
  toolbar_->setToolButtonStyle(captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
  commands_.barreEtat->setChecked(settings_.showStatusBar != 0);
  commands_.barreOutils->setChecked(settings_.showToolbar != 0);
  Form_Resize();
}

void Principale::MenuBO_Click() {
  settings_.showToolbar = commands_.barreOutils->isChecked() ? -1 : 0;
  Form_Resize();
}

void Principale::MenuBE_Click() {
  settings_.showStatusBar = commands_.barreEtat->isChecked() ? -1 : 0;
  Form_Resize();
}

void Principale::Form_Resize() {
  const bool toolbarShown = commands_.barreOutils->isChecked();
  const bool statusShown = commands_.barreEtat->isChecked();
  toolbar_->setVisible(toolbarShown);
  if (statusBar()->isVisibleTo(this) != statusShown) {
    statusBar()->setVisible(statusShown);
    layout()->activate();  // the client area grows or shrinks now, not at the next event
  }
  toolbar_->setGeometry(0, 0, client_->width(), toolbar_->sizeHint().height());

  LayoutInput in;
  in.width = Twips(frameGeometry().width());
  in.height = Twips(frameGeometry().height());
  in.toolbarShown = toolbarShown;
  in.toolbarTop = Twips(toolbar_->y());
  in.toolbarHeight = Twips(toolbar_->height());
  in.statusShown = statusShown;
  in.statusHeight = Twips(statusBar()->height());
  in.areaWidth = Twips(client_->width());
  in.areaHeight = Twips(client_->height());
  const MainLayout layout = FormResize(in);
  tree_->setGeometry(PxRect(layout.tree));
  list_->setGeometry(PxRect(layout.list));
  list_->setColumnWidth(0, Px(layout.column1));
  list_->setColumnWidth(1, Px(layout.column2));
}

bool Principale::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    Form_Resize();
  } else if (watched != client_ && event->type() == QEvent::ToolTip) {
    return true;  // a toolbar button without a tooltip
  }
  return QMainWindow::eventFilter(watched, event);
}

void Principale::ShowCentred() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
}

void Principale::ApplyWindowState() {
  const Qt::WindowStates keep = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  switch (startupWindowState_) {
  case 1:
    setWindowState(keep | Qt::WindowMinimized);
    break;
  case 2:
    setWindowState(keep | Qt::WindowMaximized);
    break;
  default:
    setWindowState(keep);
    break;
  }
}

int Principale::CurrentWindowState() const {
  if (isMinimized()) {
    return 1;
  }
  return isMaximized() ? 2 : 0;
}

void Principale::MenuFichierQuitter_Click() { close(); }

void Principale::closeEvent(QCloseEvent* event) {
  if (!saved_) {
    saved_ = true;
    settings_.windowState = CurrentWindowState();
    SaveSettings(services_.store, settings_, services_.exePath);
    const std::string folder = platform::WindowsFolder();
    if (!folder.empty()) {
      std::remove((folder + "/results.htm").c_str());
    }
  }
  event->accept();
}

QString Principale::StatusText() const { return status_->text(); }

} // namespace tallyra
