#include "colorohm/app/QtResources.h"

#include "platform/text/Text.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>

namespace colorohm {
namespace {

void AddItems(QMenu& target, const std::vector<platform::MenuItem>& items,
              const std::function<bool(int)>& isHandled) {
  for (const platform::MenuItem& item : items) {
    if (item.separator) {
      target.addSeparator();
    } else if (item.popup || !item.items.empty()) {
      QMenu* sub = target.addMenu(ToQt(item.text));
      AddItems(*sub, item.items, isHandled);
    } else {
      QAction* action = target.addAction(ToQt(item.text));
      action->setData(item.id);
      action->setEnabled(!item.grayed && isHandled(item.id));
      action->setCheckable(item.checked);
      action->setChecked(item.checked);
    }
  }
}

constexpr int kVkF1 = 0x70;
constexpr int kVkF24 = 0x87;

}  // namespace

QString ToQt(std::string_view cp1252) { return QString::fromStdString(platform::Utf8FromCp1252(cp1252)); }

std::string FromQt(const QString& text) { return platform::Cp1252FromUtf8(text.toStdString()); }

std::unique_ptr<QMenu> BuildMenu(const platform::Menu& menu, const std::function<bool(int)>& isHandled,
                                 QWidget* parent) {
  auto built = std::make_unique<QMenu>(parent);
  AddItems(*built, menu.items, isHandled);
  return built;
}

QAction* FindCommand(const QMenu& menu, int id) {
  for (QAction* action : menu.actions()) {
    if (action->menu()) {
      if (QAction* found = FindCommand(*action->menu(), id)) return found;
    } else if (!action->isSeparator() && action->data().toInt() == id) {
      return action;
    }
  }
  return nullptr;
}

QKeySequence KeySequenceOf(const platform::Accelerator& accelerator) {
  int key = 0;
  const int vk = accelerator.key;
  // Letters and digits are their own ASCII capitals, as Qt's key codes are.
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) key = vk;
  else if (vk >= kVkF1 && vk <= kVkF24) key = Qt::Key_F1 + (vk - kVkF1);
  if (key == 0) return QKeySequence();
  Qt::KeyboardModifiers modifiers;
  if (accelerator.control) modifiers |= Qt::ControlModifier;
  if (accelerator.shift) modifiers |= Qt::ShiftModifier;
  if (accelerator.alt) modifiers |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

RenderAssets LoadRenderAssets(const ProgramResources& resources) {
  RenderAssets assets;
  for (const int id : {kBitmapBackground, kBitmapUprightBody, kBitmapLyingBody, kBitmapDigitLegendRow,
                       kBitmapMultiplierLegendRow, kBitmapCoefficientLegendRow, kBitmapToleranceLegendRow,
                       kBitmapCoefficientLegendColumn, kBitmapDigitLegendColumn,
                       kBitmapMultiplierLegendColumn, kBitmapToleranceLegendColumn,
                       kBitmapSmallLyingBody, kBitmapSmallUprightBody}) {
    const std::string* bytes = resources.FindBitmap(id);
    if (!bytes) continue;
    QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()),
                                    static_cast<int>(bytes->size()));
    if (!image.isNull()) assets.bitmaps[id] = image;
  }
  return assets;
}

QIcon LoadIcon(const ProgramResources& resources, int id) {
  const std::string* bytes = resources.FindIcon(id);
  if (!bytes) return QIcon();
  QPixmap pixmap;
  if (!pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<uint>(bytes->size())))
    return QIcon();
  return QIcon(pixmap);
}

}  // namespace colorohm
