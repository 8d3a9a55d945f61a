#pragma once
// Dialogs built from the templates of a program's resources. Each control becomes the Qt widget
// of its window class, placed at its rectangle converted from dialog units with the dialog
// font's base units, with its text converted from Windows-1252 and its id kept in the property
// "controlId", so that FindControl<W>(dialog, id) answers as GetDlgItem does.
//
// Window classes known (names compare without case):
//   "Button"            QPushButton (DEFPUSHBUTTON: the default one), QCheckBox (CHECKBOX,
//                       AUTOCHECKBOX, 3STATE, AUTO3STATE), QRadioButton (RADIOBUTTON,
//                       AUTORADIOBUTTON; exclusive within a GROUP run), QGroupBox (GROUPBOX)
//   "Static"            QLabel (LEFT/CENTER/RIGHT, word wrap unless LEFTNOWORDWRAP or SIMPLE;
//                       '&' marks the mnemonic of the next control unless NOPREFIX), a line
//                       QFrame for ETCHEDHORZ and ETCHEDVERT
//   "Edit"              QLineEdit, QPlainTextEdit with MULTILINE (READONLY, PASSWORD, CENTER,
//                       RIGHT; a frame only with BORDER or CLIENTEDGE)
//   "ComboBox"          QComboBox, editable unless DROPDOWNLIST; a drop-down keeps its natural
//                       height (the template's height counts the dropped list)
//   "ListBox"           QListWidget
//   "SysListView32"     QTreeWidget in report mode (SINGLESEL, NOCOLUMNHEADER, NOSORTHEADER)
//   "SysTreeView32"     QTreeWidget without header (LINESATROOT decorates the roots)
//   "msctls_trackbar32" QSlider (VERT; NOTICKS, TOP/LEFT, BOTH, AUTOTICKS); a vertical one has
//                       its minimum at the top, as on Windows
//   "msctls_progress32" QProgressBar (VERTICAL)
//   "SysAnimate32"      QLabel, to which the program gives a QMovie
// Any control: DISABLED, and NOT VISIBLE (two words) to start hidden. Style words may carry their
// Windows prefix (WS_, BS_, SS_, ES_, CBS_, LVS_, TVS_, TBS_, PBS_, ACS_): "TBS_VERT" = "VERT".
// A class registered by the program (the side bar "WndDirectUI") is made by its factory, which
// takes precedence over the list above. An unknown class gives an empty QWidget in its place.

#include "platform/resources/Resources.h"
#include "platform/ui/DialogUnits.h"

#include <QDialog>
#include <QFont>
#include <QRect>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace platform {

inline constexpr char kControlIdProperty[] = "controlId";

// The template's font: its size in points; the Windows dialog faces ("MS Shell Dlg",
// "MS Sans Serif", "Tahoma"...) become the application's own face.
QFont DialogFontOf(const DialogTemplate& dialog);
DialogBaseUnits BaseUnitsOf(const QFont& font);
QRect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits base);

// Makes the widget of a custom class as a child of parent; the builder places it afterwards.
using ControlFactory = std::function<QWidget*(const ControlTemplate& control, QWidget* parent)>;

class DialogBuilder {
public:
  void RegisterClass(const std::string& className, ControlFactory factory);

  // A new dialog with the template's caption, font, size (fixed unless THICKFRAME, minimize box
  // with MINIMIZEBOX) and controls. Always made; unknown classes are named in *error, which is
  // left empty when every class was known.
  std::unique_ptr<QDialog> Build(const DialogTemplate& dialog, QWidget* parent = nullptr,
                                 std::string* error = nullptr) const;
  // The same into an existing widget (a property or wizard page): font, size and controls.
  // False when a class is unknown (named in *error).
  bool BuildInto(const DialogTemplate& dialog, QWidget& host, std::string* error = nullptr) const;

private:
  std::map<std::string, ControlFactory> factories_;  // by upper-cased class name
};

// The id a built control carries, or -1 for a widget the builder did not make.
int ControlIdOf(const QWidget* widget);

// The first control of dialog (its direct children) with that id and type W, or nullptr.
template <class W>
W* FindControl(const QWidget* dialog, int id) {
  for (QObject* child : dialog->children()) {
    W* widget = dynamic_cast<W*>(child);
    if (widget && ControlIdOf(widget) == id) return widget;
  }
  return nullptr;
}

} // namespace platform
