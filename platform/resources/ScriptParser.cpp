#include "platform/resources/Script.h"
#include "platform/resources/ScriptLexer.h"
#include "platform/resources/VirtualKeys.h"
#include "platform/text/Text.h"

#include <cctype>

namespace platform {
namespace {

using script::Token;
using script::TokenKind;

bool IsImage(std::string_view bytes) {
  return bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8) || bytes.substr(0, 2) == "BM";
}

class Parser {
public:
  Parser(std::vector<Token> tokens, std::string_view fileName, const ImageReader& readImage, ResourceSet& out)
      : tokens_(std::move(tokens)), fileName_(fileName), readImage_(readImage), out_(out) {}

  std::string error;

  bool Run() {
    while (Peek().kind != TokenKind::End) {
      const Token& keyword = Take();
      if (keyword.kind != TokenKind::Word) return Fail(keyword, "expected a block keyword");
      const std::string& k = keyword.text;
      bool ok = k == "STRINGTABLE"    ? StringTable()
                : k == "MENU"         ? MenuBlock()
                : k == "ACCELERATORS" ? Accelerators()
                : k == "DIALOG"       ? Dialog()
                : k == "BITMAP"       ? Image(out_.bitmaps, "bitmap")
                : k == "ICON"         ? Image(out_.icons, "icon")
                                      : Fail(keyword, "unknown keyword '" + k + "'");
      if (!ok) return false;
    }
    return true;
  }

private:
  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
  bool PeekWord(std::string_view word) const { return Peek().kind == TokenKind::Word && Peek().text == word; }
  void SkipComma() {
    if (Peek().kind == TokenKind::Comma) Take();
  }

  bool Fail(const Token& at, const std::string& message) {
    error = std::string(fileName_) + ":" + std::to_string(at.line) + ": " + message;
    return false;
  }

  bool Number(int& value, const char* what) {
    SkipComma();
    const Token& t = Take();
    if (t.kind != TokenKind::Number) return Fail(t, std::string("expected ") + what);
    value = t.number;
    return true;
  }

  // A quoted text as the program holds it: Windows-1252.
  bool Text(std::string& value, const char* what) {
    SkipComma();
    const Token& t = Take();
    if (t.kind != TokenKind::String) return Fail(t, std::string("expected ") + what + " in double quotes");
    value = Cp1252FromUtf8(t.text);
    if (Utf8FromCp1252(value) != t.text) return Fail(t, "text is not UTF-8 that Windows-1252 can hold");
    return true;
  }

  bool Rect(int& x, int& y, int& cx, int& cy) {
    return Number(x, "x") && Number(y, "y") && Number(cx, "width") && Number(cy, "height");
  }

  bool Open(const char* block, int& line) {
    const Token& t = Take();
    line = t.line;
    return t.kind == TokenKind::OpenBrace || Fail(t, std::string("expected '{' after ") + block);
  }

  // True at the block's closing brace (consumed); an error at the end of the file.
  bool AtClose(int openLine, bool& closed) {
    closed = Peek().kind == TokenKind::CloseBrace;
    if (closed) Take();
    if (!closed && Peek().kind == TokenKind::End)
      return Fail(Peek(), "missing '}' for the block opened at line " + std::to_string(openLine));
    return true;
  }

  template <typename Map>
  bool Unique(const Map& map, int id, const Token& at, const char* what) {
    return map.count(id) == 0 || Fail(at, std::string("duplicate ") + what + " id " + std::to_string(id));
  }

  bool StringTable() {
    int open = 0;
    if (!Open("STRINGTABLE", open)) return false;
    for (bool closed = false;;) {
      if (!AtClose(open, closed)) return false;
      if (closed) return true;
      const Token& at = Peek();
      int id = 0;
      std::string text;
      if (!Number(id, "a string id") || !Unique(out_.strings, id, at, "string") || !Text(text, "the string"))
        return false;
      out_.strings[id] = std::move(text);
    }
  }

  bool MenuBlock() {
    const Token& at = Peek();
    Menu menu;
    if (!Number(menu.id, "a menu id") || !Unique(out_.menus, menu.id, at, "menu")) return false;
    if (!MenuItems("MENU", menu.items)) return false;
    out_.menus[menu.id] = std::move(menu);
    return true;
  }

  bool MenuItems(const char* block, std::vector<MenuItem>& items) {
    int open = 0;
    if (!Open(block, open)) return false;
    for (bool closed = false;;) {
      if (!AtClose(open, closed)) return false;
      if (closed) return true;
      const Token& t = Take();
      MenuItem item;
      if (t.kind == TokenKind::Word && t.text == "POPUP") {
        item.popup = true;
        if (!Text(item.text, "the popup text") || !MenuItems("POPUP", item.items)) return false;
      } else if (t.kind == TokenKind::Word && t.text == "MENUITEM") {
        if (PeekWord("SEPARATOR")) {
          Take();
          item.separator = true;
        } else if (!Text(item.text, "the item text") || !Number(item.id, "a command id")) {
          return false;
        }
        while (true) {
          SkipComma();
          if (PeekWord("GRAYED")) item.grayed = true;
          else if (PeekWord("CHECKED")) item.checked = true;
          else break;
          Take();
        }
      } else {
        return Fail(t, "expected MENUITEM, POPUP or '}'");
      }
      items.push_back(std::move(item));
    }
  }

  bool Key(int& key) {
    const Token& t = Take();
    if (t.kind == TokenKind::String) {
      if (t.text.size() != 1 || !std::isalnum(static_cast<unsigned char>(t.text[0])))
        return Fail(t, "an accelerator key in quotes is one letter or digit");
      key = std::toupper(static_cast<unsigned char>(t.text[0]));
      return true;
    }
    if (t.kind == TokenKind::Word && (key = VirtualKeyCode(t.text)) != 0) return true;
    if (t.kind == TokenKind::Word) return Fail(t, "unknown key '" + t.text + "'");
    return Fail(t, "expected an accelerator key");
  }

  bool Accelerators() {
    const Token& at = Peek();
    AcceleratorTable table;
    int open = 0;
    if (!Number(table.id, "an accelerator table id") || !Unique(out_.accelerators, table.id, at, "accelerator table") ||
        !Open("ACCELERATORS", open))
      return false;
    for (bool closed = false;;) {
      if (!AtClose(open, closed)) return false;
      if (closed) break;
      Accelerator a;
      if (!Key(a.key) || !Number(a.command, "a command id")) return false;
      while (true) {
        SkipComma();
        if (PeekWord("CONTROL")) a.control = true;
        else if (PeekWord("SHIFT")) a.shift = true;
        else if (PeekWord("ALT")) a.alt = true;
        else break;
        Take();
      }
      table.entries.push_back(a);
    }
    out_.accelerators[table.id] = std::move(table);
    return true;
  }

  // Style words up to the next keyword or brace.
  void Styles(std::vector<std::string>& styles, std::string_view stop) {
    while (Peek().kind == TokenKind::Word && Peek().text != stop && Peek().text != "FONT") {
      styles.push_back(Take().text);
      SkipComma();
    }
  }

  bool Dialog() {
    const Token& at = Peek();
    DialogTemplate d;
    if (!Number(d.id, "a dialog id") || !Unique(out_.dialogs, d.id, at, "dialog") || !Rect(d.x, d.y, d.cx, d.cy) ||
        !Text(d.caption, "the dialog caption"))
      return false;
    while (Peek().kind == TokenKind::Word) {
      const Token& t = Take();
      if (t.text == "FONT") {
        if (!Number(d.fontSize, "the font size") || !Text(d.fontName, "the font name")) return false;
      } else if (t.text == "STYLE") {
        Styles(d.styles, "STYLE");
      } else {
        return Fail(t, "expected FONT, STYLE or '{'");
      }
    }
    int open = 0;
    if (!Open("DIALOG", open)) return false;
    for (bool closed = false;;) {
      if (!AtClose(open, closed)) return false;
      if (closed) break;
      const Token& t = Take();
      if (t.kind != TokenKind::Word || t.text != "CONTROL") return Fail(t, "expected CONTROL or '}'");
      ControlTemplate c;
      if (!Number(c.id, "a control id") || !Text(c.className, "the control class") ||
          !Text(c.text, "the control text") || !Rect(c.x, c.y, c.cx, c.cy))
        return false;
      Styles(c.styles, "CONTROL");
      d.controls.push_back(std::move(c));
    }
    out_.dialogs[d.id] = std::move(d);
    return true;
  }

  bool Image(std::map<int, std::string>& images, const char* what) {
    const Token& at = Peek();
    int id = 0;
    if (!Number(id, "an image id") || !Unique(images, id, at, what)) return false;
    SkipComma();
    const Token& path = Take();
    if (path.kind != TokenKind::String) return Fail(path, "expected the image file name in double quotes");
    std::string bytes;
    if (path.text.empty() || path.text[0] == '/' || !readImage_(path.text, bytes))
      return Fail(path, "cannot read image file \"" + path.text + "\"");
    if (!IsImage(bytes)) return Fail(path, "\"" + path.text + "\" is neither a PNG nor a BMP image");
    images[id] = std::move(bytes);
    return true;
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  std::string_view fileName_;
  const ImageReader& readImage_;
  ResourceSet& out_;
};

} // namespace

bool ParseResourceScript(std::string_view source, std::string_view fileName, const ImageReader& readImage,
                         ResourceSet& out, std::string& error) {
  std::vector<Token> tokens;
  int line = 0;
  std::string reason;
  if (!script::Tokenize(source, tokens, line, reason)) {
    error = std::string(fileName) + ":" + std::to_string(line) + ": " + reason;
    return false;
  }
  ResourceSet set;
  Parser parser(std::move(tokens), fileName, readImage, set);
  if (!parser.Run()) {
    error = parser.error;
    return false;
  }
  out = std::move(set);
  return true;
}

} // namespace platform
