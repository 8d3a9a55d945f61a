#include "colorohm/app/Settings.h"

#include "platform/text/Text.h"

#include <cstdio>
#include <string_view>

namespace colorohm {
namespace {

// Section and value names are written here in UTF-8 and stored in Windows-1252.
class Exchanger {
public:
  Exchanger(platform::RegistryStore& store, Exchange mode) : store_(store), mode_(mode) {}

  void Text(std::string_view section, std::string_view name, std::string& value) {
    platform::RegKey key;
    const std::string path = std::string(kSettingsKey) + "\\" + platform::Cp1252FromUtf8(section);
    if (store_.CreateKey(platform::Hive::LocalMachine, path, key) != platform::RegResult::Ok) return;
    const std::string valueName = platform::Cp1252FromUtf8(name);
    if (mode_ == Exchange::Save) {
      key.SetValue(valueName, value);
      return;
    }
    std::string data;
    if (key.QueryValue(valueName, data) == platform::RegResult::Ok) value = data;
  }

  void Integer(std::string_view section, std::string_view name, int& value) {
    std::string text = std::to_string(value);
    Text(section, name, text);
    value = platform::AtoiPrefix(text);
  }

private:
  platform::RegistryStore& store_;
  Exchange mode_;
};

std::string Numbered(const char* format, int n) {
  char name[64];
  std::snprintf(name, sizeof name, format, n);
  return name;
}

}  // namespace

int DefaultStyleAffichage(maintenance::WinVersionCode version, bool themeActive) {
  if (version != maintenance::WinUnknown && version < maintenance::WinXp) return 1;
  return themeActive ? 0 : 1;
}

SettingsRecord DefaultSettings(int styleAffichage) {
  SettingsRecord record;
  record.styleAffichage = styleAffichage;
  return record;
}

void ExchangeSettings(platform::RegistryStore& store, SettingsRecord& record, Exchange mode) {
  SettingsRecord working = record;
  const platform::RegResult result = store.InTransaction([&] {
    Exchanger x(store, mode);
    constexpr std::string_view general = "Général";
    constexpr std::string_view ui = "Interface";
    constexpr std::string_view last = "Dernier état";
    x.Integer(general, "Premier demarrage", working.premierDemarrage);
    x.Integer(general, "Nombre bandes", working.nombreBandes);
    for (int i = 0; i < kSeriesSettings; ++i)
      x.Integer(general, Numbered("Utiliser série n°%i", i), working.utiliserSerie[i]);
    x.Integer(ui, "Utiliser dégradé", working.utiliserDegrade);
    x.Integer(ui, "Premier plan", working.premierPlan);
    x.Integer(ui, "Afficher barre latérale", working.afficherBarreLaterale);
    x.Integer(ui, "Style affichage", working.styleAffichage);
    x.Integer(ui, "Sens affichage", working.sensAffichage);
    x.Text(ui, "Image fond", working.imageFond);
    x.Text(ui, "Langue", working.langue);
    x.Integer(last, "PosX", working.posX);
    x.Integer(last, "PosY", working.posY);
    for (int i = 0; i < kBandSettings; ++i)
      x.Integer(last, Numbered("Bande %i", i + 1), working.bande[i]);
    for (int i = 0; i < kGroupSettings; ++i)
      x.Integer(last, Numbered("Groupe %i", i + 1), working.groupe[i]);
    return platform::RegResult::Ok;
  });
  if (mode == Exchange::Load && result == platform::RegResult::Ok) record = working;
}

void ValidateSettings(SettingsRecord& record) {
  if (record.nombreBandes < 0 || record.nombreBandes > 2) record.nombreBandes = 2;
}

}  // namespace colorohm
