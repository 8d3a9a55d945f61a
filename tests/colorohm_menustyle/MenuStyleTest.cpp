#include "colorohm/menustyle/MenuStyle.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTest>

using colorohm::ApplyMenuStyle;
using colorohm::MenuStyle;

namespace {

// The context menu's shape: items, a separator and a submenu.
void FillMenu(QMenu& menu) {
  menu.addAction(QString::fromUtf8("Copier la &valeur de la résistance dans le Presse-papiers"));
  menu.addSeparator();
  QMenu* rings = menu.addMenu(QStringLiteral("&Nombre d'anneaux"));
  rings->addAction(QStringLiteral("&4 anneaux"));
  rings->addAction(QStringLiteral("&5 anneaux"))->setCheckable(true);
  menu.addAction(QString::fromUtf8("À &propos de Colorohm..."));
}

// The colour of the menu's face, away from its frame and items' text.
QColor FaceColour(QMenu& menu) {
  menu.ensurePolished();
  menu.adjustSize();
  const QImage image = menu.grab().toImage();
  return image.pixelColor(image.width() - 6, image.height() / 2);
}

} // namespace

class MenuStyleTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void settingChoosesTheLook() {
    QCOMPARE(colorohm::MenuStyleFromSetting(0), MenuStyle::WindowsXp);
    QCOMPARE(colorohm::MenuStyleFromSetting(1), MenuStyle::Classic);
  }

  void theTwoLooksDifferAndReachSubmenus() {
    QMenu xp;
    QMenu classic;
    FillMenu(xp);
    FillMenu(classic);
    ApplyMenuStyle(xp, MenuStyle::WindowsXp);
    ApplyMenuStyle(classic, MenuStyle::Classic);

    QCOMPARE(FaceColour(xp), QColor(0xff, 0xff, 0xff));
    QCOMPARE(FaceColour(classic), QColor(0xd4, 0xd0, 0xc8));

    QMenu* submenu = classic.actions().at(2)->menu();
    QVERIFY(submenu != nullptr);
    QCOMPARE(submenu->styleSheet(), colorohm::MenuStyleSheet(MenuStyle::Classic));
    QCOMPARE(FaceColour(*submenu), QColor(0xd4, 0xd0, 0xc8));

    // Switching back gives the other look again.
    ApplyMenuStyle(classic, MenuStyle::WindowsXp);
    QCOMPARE(FaceColour(classic), QColor(0xff, 0xff, 0xff));
  }
};

QTEST_MAIN(MenuStyleTest)
#include "MenuStyleTest.moc"
