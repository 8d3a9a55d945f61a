#pragma once
// The fixed French texts of Tallyra's main window and its messages, in UTF-8 as written here.
// Messages go to the message boxes in Windows-1252 (Cp1252FromUtf8); widget texts go to Qt as
// they are.

#include <array>
#include <string_view>

namespace tallyra::texts {

inline constexpr std::string_view kCaption = "Tallyra";
inline constexpr std::string_view kProductName = "Mentiva";

// Menus.
inline constexpr std::string_view kMenuFichier = "&Fichier";
inline constexpr std::string_view kImporter = "Importer...";
inline constexpr std::string_view kExporter = "Exporter...";
inline constexpr std::string_view kEnregistrerHtml = "Enregistrer en HTML...";
inline constexpr std::string_view kEnregistrerTxt = "Enregistrer en TXT...";
inline constexpr std::string_view kImprimer = "&Imprimer...";
inline constexpr std::string_view kQuitter = "&Quitter";
inline constexpr std::string_view kMenuAffichage = "&Affichage";
inline constexpr std::string_view kBarreOutils = "Barre d'outils";
inline constexpr std::string_view kBarreEtat = "Barre d'état";
inline constexpr std::string_view kRafraichir = "&Rafraîchir la liste";
inline constexpr std::string_view kOptions = "&Options...";
inline constexpr std::string_view kMenuResultats = "&Résultats";
inline constexpr std::string_view kDetails = "Détails...";
inline constexpr std::string_view kCreerGraphique = "&Créer un graphique";
inline constexpr std::string_view kVider = "&Vider la liste des résultats";
inline constexpr std::string_view kMenuAide = "&?";
inline constexpr std::string_view kSommaire = "&Sommaire de l'aide";
inline constexpr std::string_view kAPropos = "&À propos de Mentiva...";

// The four sort submenus and their entries, by SortOrder / 3 and SortOrder % 3.
inline constexpr std::array<std::string_view, 4> kSortMenus{
    "Par &nom", "Par &questionnaire", "Par &résultats", "Par &date"};
inline constexpr std::array<std::array<std::string_view, 3>, 4> kSortEntries{{
    {"Puis par &questionnaire", "Puis par &résultat", "Puis par &date"},
    {"Puis par &nom", "Puis par &résultat", "Puis par &date"},
    {"Puis par &nom", "Puis par &questionnaire", "Puis par &date"},
    {"Puis par &nom", "Puis par &questionnaire", "Puis par &résultat"},
}};
// The toolbar drop-down, by SortOrder.
inline constexpr std::array<std::string_view, 12> kSortDropDown{
    "Par nom - questionnaire",      "Par nom - résultat",         "Par nom - date",
    "Par questionnaire - nom",      "Par questionnaire - résultat", "Par questionnaire - date",
    "Par résultat - nom",           "Par résultat - questionnaire", "Par résultat - date",
    "Par date - nom",               "Par date - questionnaire",   "Par date - résultat"};

// Toolbar: captions at design, captions set by the settings, tooltips.
inline constexpr std::string_view kToolImporterDesign = "Importer...";
inline constexpr std::string_view kToolDetailsDesign = "Détails...";
inline constexpr std::string_view kToolImporter = "Importer";
inline constexpr std::string_view kToolGraphique = "Graphique";
inline constexpr std::string_view kToolDetails = "Détails";
inline constexpr std::string_view kToolAffichage = "Affichage";
inline constexpr std::string_view kToolAide = "Aide";
inline constexpr std::string_view kTipImporter = "Importe une liste d'élèves et de questionnaires";
inline constexpr std::string_view kTipGraphique = "Trace les résultats de l'élève dans un graphique";
inline constexpr std::string_view kTipAide = "Aide sur ce programme";

// List headers before the first node click.
inline constexpr std::string_view kHeaderDate = "Date";
inline constexpr std::string_view kHeaderResultats = "Résultats";

// Messages.
inline constexpr std::string_view kNoDataPath =
    "Aucun fichier de données n'a été spécifié !\r\n"
    "Les résultats ne seront pas enregistrés.\r\n\r\n"
    "Pour spécifier un fichier de données, cliquez sur le menu Affichage puis sur Options.";
inline constexpr std::string_view kNoDataPathTitle = "Attention !";
inline constexpr int kBadVersionId = 2011;
inline constexpr int kBadVersionTitleId = 2012;
inline constexpr std::string_view kBadVersion =
    "Version du fichier de données incorrecte ou fichier endommagé !";
inline constexpr std::string_view kImportTitle = "Importer";
inline constexpr std::string_view kImportFailed =
    "Les résultats n'ont pas pu être ajoutés au fichier de données.";
inline constexpr std::string_view kImportDialogTitle = "Importer des résultats";
inline constexpr std::string_view kImportFilter = "Fichiers de données|*.dat";
inline constexpr std::string_view kExportTitle = "Exporter";
inline constexpr std::string_view kExportFilter = "Fichier de données|*.dat";
inline constexpr std::string_view kExportFailed =
    "Le fichier de données n'a pas pu être copié.";
inline constexpr std::string_view kEmptyQuestion =
    "Êtes-vous sûr de vouloir effacer DÉFINITIVEMENT tout le contenu de la liste ?";
inline constexpr std::string_view kEmptyTitle = "Vider la liste";

} // namespace tallyra::texts
