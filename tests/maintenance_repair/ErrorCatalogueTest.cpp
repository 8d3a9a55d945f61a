// The error catalogue as KavelRepair's string table holds it: every title and description, byte
// for byte in Windows-1252, so that a lost accent or escape shows up here before a user sees it.

#include <gtest/gtest.h>

#include <string>

#include "maintenance/repair/ErrorList.h"
#include "platform/text/Text.h"
#include "resources/KavelRepairResources.h"

namespace maintenance {
namespace {

struct CatalogueRow {
  ErrorTitleId title;
  const char* titleText;        // UTF-8 here, Windows-1252 in the program
  const char* descriptionText;  // "\n" is the line break of the message
};

constexpr const char kInstallThem[] =
    " requises pour faire fonctionner le programme ne sont pas install\u00e9es sur votre "
    "syst\u00e8me.\nVous devez les installer.";

const std::string kRoutines = "Les routines (biblioth\u00e8ques) ";

const CatalogueRow kCatalogue[] = {
    {ErrCheckFileMissing, "Fichier de configuration non trouv\u00e9",
     "Le fichier qui contient les \u00e9l\u00e9ments \u00e0 v\u00e9rifier pour cette application "
     "n'a pas \u00e9t\u00e9 trouv\u00e9.\nEx\u00e9cutez le programme d'installation de cette "
     "application \u00e0 nouveau."},
    {ErrVb6Runtime, "Routines Visual basic 6 introuvables", nullptr},
    // The backslash before "vous" is a character of the message, not a line break.
    {ErrCommonControls, "Version du fichier COMCTRL32.DLL non valide",
     "La version du fichier COMCTRL32.DLL sur votre syst\u00e8me n'est pas \u00e0 jour.\\vous "
     "devez le mettre \u00e0 jour."},
    {ErrFreeDisk, "Espace libre sur le disque faible",
     "L'espace restant sur votre disque dur est insuffisant pour ex\u00e9cuter correctement le "
     "programme.\nLib\u00e9rez un peu d'espace avant de lancer le programme, pour de meilleurs "
     "performances."},
    {ErrColours, "Configuration du nombre de couleurs d'\u00e9cran insuffisante",
     "Le nombre de couleurs actuellement configur\u00e9 pour votre \u00e9cran est insuffisant "
     "pour ex\u00e9cuter le programme correctement.\nModifiez les propri\u00e9t\u00e9s de votre "
     "\u00e9cran, \u00e0 partir du panneau de configuration."},
    {ErrCpuFrequency, "Fr\u00e9quence du processeur faible",
     "La fr\u00e9quence actuelle de votre processeur est faible pour ex\u00e9cuter correctement "
     "le programme.\nNous vous recommandons d'utiliser une autre configuration."},
    {ErrHtmlHelp, "Module HtmlHelp non install\u00e9",
     "Le module HtmlHelp n'est pas install\u00e9 sur votre syst\u00e8me.\nInstallez-le pour "
     "pouvoir consulter l'aide en ligne du programme."},
    {ErrMfc6Runtime, "Routines MFC 6 introuvables", nullptr},
    {ErrMfc7Runtime, "Routines MFC 7 introuvables", nullptr},
    {ErrVc6Runtime, "Routines Visual C++ 6 introuvables", nullptr},
    {ErrVc7Runtime, "Routines Visual C++ 7 introuvables", nullptr},
    {ErrMemory, "Quantit\u00e9 de RAM insuffisante",
     "La quantit\u00e9 disponible de m\u00e9moire vive (RAM) pr\u00e9sente sur votre syst\u00e8me "
     "est insuffisant pour de bonnes performances du programmes.\nNous vous recommandons "
     "d'ajouter de la m\u00e9moire vive sur votre syst\u00e8me."},
    {ErrSoundCard, "Carte son introuvable",
     "Aucune carte son n'a \u00e9t\u00e9 d\u00e9tect\u00e9e sur votre syst\u00e8me.\nNous vous "
     "recommandons d'installer une carte son afin de profiter au mieu des effets sonores du "
     "programme."},
    {ErrBrowserVersion, "Version d'Internet Explorer non valide",
     "La version d'Internet Explorer install\u00e9e sur votre syst\u00e8me est trop ancienne "
     "pour le bon fonctionnement du programmer.\nMettez \u00e0 jour votre syst\u00e8me."},
    {ErrWindowsVersion, "Version de Windows non valide",
     "La version de Windows de votre syst\u00e8me est trop ancienne pour le bon fonctionnement "
     "du programme.\nMettez \u00e0 jour votre syst\u00e8me."},
};

// The five run-time errors share one sentence around the name of their libraries.
std::string RuntimeDescription(ErrorTitleId title) {
  switch (title) {
    case ErrVb6Runtime: return kRoutines + "Visual Basic 6" + kInstallThem;
    case ErrMfc6Runtime: return kRoutines + "MFC 6" + kInstallThem;
    case ErrMfc7Runtime: return kRoutines + "MFC 7" + kInstallThem;
    case ErrVc6Runtime: return kRoutines + "Visual C++ 6" + kInstallThem;
    case ErrVc7Runtime: return kRoutines + "Visual C++ 7" + kInstallThem;
    default: return std::string();
  }
}

TEST(ErrorCatalogueTest, TitlesAndDescriptionsAreTheProgramsTexts) {
  const platform::ResourceSet& strings = KavelRepairResources();
  ASSERT_EQ(std::size(kCatalogue), 15u);
  for (const CatalogueRow& row : kCatalogue) {
    const std::string description =
        row.descriptionText ? row.descriptionText : RuntimeDescription(row.title);
    EXPECT_EQ(strings.String(row.title), platform::Cp1252FromUtf8(row.titleText)) << row.title;
    EXPECT_EQ(strings.String(DescriptionId(row.title)), platform::Cp1252FromUtf8(description))
        << DescriptionId(row.title);
  }
}

TEST(ErrorCatalogueTest, CommonControlsDescriptionHoldsABackslashNotALineBreak) {
  const std::string text = KavelRepairResources().String(DescriptionId(ErrCommonControls));
  EXPECT_NE(text.find("jour.\\vous devez"), std::string::npos) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos) << text;
  EXPECT_EQ(text.find('\v'), std::string::npos) << text;
}

} // namespace
} // namespace maintenance
