// Principale's load, node and row clicks, and the commands that change the data file.

#include "tallyra/app/Dialogs.h"
#include "tallyra/app/Principale.h"
#include "tallyra/app/Texts.h"
#include "platform/text/Text.h"
#include "tallyra/core/Import.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

#include <cerrno>
#include <cstdio>

namespace tallyra {
namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kRootNode = -1;

QString FromCp1252(std::string_view text) {
  return QString::fromStdString(platform::Utf8FromCp1252(text));
}

std::string Cp(std::string_view utf8) { return platform::Cp1252FromUtf8(utf8); }

QTreeWidgetItem* NewNode(std::string_view text, int node) {
  auto* item = new QTreeWidgetItem({FromCp1252(text)});
  item->setData(0, kNodeRole, node);
  return item;
}

QTreeWidgetItem* NewRoot(bool bold) {
  QTreeWidgetItem* root = NewNode(kRootText, kRootNode);
  QFont font = root->font(0);
  font.setBold(bold);
  root->setFont(0, font);
  return root;
}

} // namespace

void Principale::EnableGraph(bool enabled) {
  commands_.graphique->setEnabled(enabled);
  ToolAction("Histogramme")->setEnabled(enabled);
}

void Principale::EnableDetails(bool enabled) {
  commands_.details->setEnabled(enabled);
  ToolAction("Details")->setEnabled(enabled);
}

void Principale::MenuRafraichir_Click() { Load(true); }

void Principale::Load(bool clearList) {
  if (clearList) {
    list_->clear();
    rows_.clear();
  }
  EnableGraph(false);
  EnableDetails(false);

  const LoadOutcome outcome = LoadResults(settings_.dataPath, settings_.sortOrder, settings_.scoreUnit);
  results_ = outcome.tree;
  FillTree();
  if (outcome.status == LoadStatus::NoDataPath) {
    platform::Message message;
    message.text = Cp(texts::kNoDataPath);
    message.caption = Cp(texts::kNoDataPathTitle);
    message.icon = platform::MessageIcon::Stop;
    services_.messages.Show(message, this);
  } else if (outcome.status == LoadStatus::TooNew) {
    ShowTextMessage(services_.messages, this, Cp(texts::kBadVersion), platform::MessageButtons::Ok,
                    platform::MessageIcon::Exclamation, Cp(texts::kImportTitle),
                    texts::kBadVersionId, texts::kBadVersionTitleId);
  }
  ApplyWindowState();
  status_->setText(FromCp1252(StatusBarText(outcome.students, outcome.quizzes)));
}

void Principale::FillTree() {
  const bool blocked = tree_->blockSignals(true);
  tree_->clear();
  QTreeWidgetItem* root = NewRoot(true);
  tree_->addTopLevelItem(root);
  const std::vector<TreeNode>& nodes = results_.Nodes();
  std::vector<QTreeWidgetItem*> items(nodes.size(), nullptr);
  QTreeWidgetItem* last = root;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    items[i] = last = NewNode(nodes[i].text, static_cast<int>(i));
    if (nodes[i].IsFirstLevel()) {
      const Rgb blue = kFirstLevelColour;
      last->setForeground(0, QColor(blue.red, blue.green, blue.blue));
      QFont font = last->font(0);
      font.setBold(true);
      last->setFont(0, font);
      root->addChild(last);
    } else {
      items[static_cast<std::size_t>(nodes[i].parent)]->addChild(last);
    }
  }
  // Each node added is scrolled into view, which opens its parent: the whole tree ends open.
  tree_->expandAll();
  tree_->scrollToItem(last);
  tree_->blockSignals(blocked);
}

void Principale::TreeEleves_NodeClick(QTreeWidgetItem* node) {
  EnableGraph(false);
  EnableDetails(false);
  const int index = node == nullptr ? kRootNode : node->data(0, kNodeRole).toInt();
  if (index < 0 || index >= static_cast<int>(results_.Nodes().size())) {
    return;
  }
  list_->clear();
  rows_.clear();
  const TreeNode& clicked = results_.Nodes()[static_cast<std::size_t>(index)];
  selection_.nodeText = clicked.text;
  selection_.parentText = clicked.IsFirstLevel()
                              ? std::string(kRootText)
                              : results_.Nodes()[static_cast<std::size_t>(clicked.parent)].text;

  NodeRows found = ResultRowsOf(settings_.dataPath, settings_.sortOrder, settings_.scoreUnit,
                                results_, index);
  const Arrangement* arrangement = ArrangementOf(settings_.sortOrder);
  if (found.anyRecord && arrangement != nullptr) {
    list_->setHeaderLabels({QString::fromStdString(platform::Utf8FromCp1252(
                                ColumnHeader(arrangement->column1, settings_.scoreUnit))),
                            QString::fromStdString(platform::Utf8FromCp1252(
                                ColumnHeader(arrangement->column2, settings_.scoreUnit)))});
  }
  QList<QTreeWidgetItem*> items;
  for (const ResultRow& row : found.rows) {
    auto* item = new QTreeWidgetItem({FromCp1252(row.column1), FromCp1252(row.column2)});
    if (row.colour != RowColour::None) {
      const Rgb rgb = RgbOf(row.colour);
      for (int column : {0, 1}) {
        item->setForeground(column, QColor(rgb.red, rgb.green, rgb.blue));
      }
    }
    items.push_back(item);
  }
  const bool blocked = list_->blockSignals(true);
  list_->addTopLevelItems(items);
  list_->blockSignals(blocked);
  rows_ = std::move(found.rows);
  EnableGraph(found.graphEnabled);
}

void Principale::ListClick(QTreeWidgetItem* row) {
  const int index = list_->indexOfTopLevelItem(row);
  if (index < 0 || index >= static_cast<int>(rows_.size())) {
    return;
  }
  EnableDetails(true);
  selection_.rowText = platform::Trim(rows_[static_cast<std::size_t>(index)].column1);
  selection_.rowSecond = platform::Trim(rows_[static_cast<std::size_t>(index)].column2);
}

void Principale::MenuFichierImporter_Click() {
  const std::string source = OpenFileDialog(services_.files, this, Cp(texts::kImportFilter),
                                            Cp(texts::kImportDialogTitle), {});
  if (source.empty()) {
    return;
  }
  const ImportResult result = ImportDataFile(settings_.dataPath, source);
  switch (result) {
  case ImportResult::Ok:
  case ImportResult::NoDataFile:
    Load(false);
    return;
  case ImportResult::SourceUnreadable:
    return;
  case ImportResult::SourceTooNew:
  case ImportResult::SourceDamaged:
  case ImportResult::DataTooNew:
  case ImportResult::WriteFailed: {
    platform::Message message;
    message.text = Cp(result == ImportResult::WriteFailed ? texts::kImportFailed : texts::kBadVersion);
    message.caption = Cp(texts::kImportTitle);
    message.icon = platform::MessageIcon::Exclamation;
    services_.messages.Show(message, this);
    return;
  }
  }
}

void Principale::MenuFichierExporter_Click() {
  const std::string target = SaveFileDialog(services_.files, this, Cp(texts::kExportFilter),
                                            Cp(texts::kExportTitle), {}, false, {});
  if (target.empty() || CopyDataFile(settings_.dataPath, target) == CopyResult::Ok) {
    return;
  }
  platform::Message message;
  message.text = Cp(texts::kExportFailed);
  message.caption = Cp(texts::kExportTitle);
  message.icon = platform::MessageIcon::Exclamation;
  services_.messages.Show(message, this);
}

void Principale::MenuViderListe_Click() {
  platform::Message question;
  question.text = Cp(texts::kEmptyQuestion);
  question.caption = Cp(texts::kEmptyTitle);
  question.buttons = platform::MessageButtons::YesNo;
  question.icon = platform::MessageIcon::Exclamation;
  question.defaultButton = 1;  // No
  if (services_.messages.Show(question, this) != platform::MessageAnswer::Yes) {
    return;
  }
  list_->clear();
  rows_.clear();
  results_ = ResultTree();
  const bool blocked = tree_->blockSignals(true);
  tree_->clear();
  tree_->addTopLevelItem(NewRoot(false));
  tree_->blockSignals(blocked);
  EnableGraph(false);
  EnableDetails(false);
  // A file that could not be removed would come back at the next load: show it now instead.
  if (!settings_.dataPath.empty() && std::remove(settings_.dataPath.c_str()) != 0 &&
      errno != ENOENT) {
    Load(true);
  }
}

} // namespace tallyra
