// The sections and keys of the program's ini file and of the per-user store that the main
// window, the find dialog and the language service use, with their defaults.
#pragma once

#include <array>
#include <string>

#include "frame/settings/vnt_ini_file.h"

namespace frame::settings {

// Program ini file.
inline constexpr const char* kMain = "main";
inline constexpr const char* kFindDialogLeft = "FDlgLeft";
inline constexpr const char* kFindDialogTop = "FDlgTop";
inline constexpr const char* kOpenPath = "openPath";
inline constexpr const char* kActivePage = "pgcMain";
inline constexpr const char* kEventsTreeWidth = "trvEvents";
inline constexpr const char* kClubsTreeWidth = "trvClubs";
inline constexpr const char* kEventsHeaderPrefix = "hcEvents";  // + section index 0..4
inline constexpr const char* kClubsHeaderPrefix = "hcClubs";    // + section index 0..5
inline constexpr const char* kEventsSplit = "evSplit";
inline constexpr const char* kEventsOnlyValids = "evOnlyValids";
inline constexpr const char* kClubsSplit = "tnSplit";
inline constexpr const char* kClubsOnlyValids = "tnOnlyValids";

inline constexpr const char* kFiles = "Files";
inline constexpr const char* kAskRegExtension = "AskRegExtension";

inline constexpr const char* kConfig = "Config";
inline constexpr const char* kScreenLanguage = "lbxLanguage";
inline constexpr const char* kPrintLanguage = "lbxPrnLanguage";
inline constexpr const char* kHelpLanguage = "lbxHlpLanguage";

// Per-user store.
inline constexpr const char* kWindowStates = "VNT_WindowStates";
inline constexpr const char* kTarnwell = "Tarnwell";
inline constexpr const char* kActiveLanguage = "ActiveLanguage";

inline constexpr int kEventsPage = 0;
inline constexpr int kParticipantsPage = 1;
inline constexpr int kHelpPage = 2;

// The main window's layout ("main" section).
struct TMainLayout {
  int findDialogLeft = 0;
  int findDialogTop = 0;
  std::string openPath;          // folder of the last opened file, with trailing delimiter
  int activePage = kHelpPage;    // stored value; see StartPageIndex
  int eventsTreeWidth = 300;
  int clubsTreeWidth = 300;
  std::array<int, 5> eventsHeader{36, 143, 143, 53, 50};
  std::array<int, 6> clubsHeader{45, 110, 110, 60, 40, 70};
  bool eventsSplit = false;
  bool eventsOnlyValids = false;
  bool clubsSplit = false;
  bool clubsOnlyValids = false;
};

// Missing keys keep the defaults above; the find dialog's position defaults to the one given.
TMainLayout ReadMainLayout(const TVntIniFile& ini, int findDialogLeft, int findDialogTop);
// Writes every key; "openPath" only when it is not empty.
void WriteMainLayout(TVntIniFile& ini, const TMainLayout& layout);

// The page shown at start for a stored page index: limited to 0 .. the last page, and the
// help page is replaced by the events page.
int StartPageIndex(int stored, int lastPageIndex = kHelpPage);

// "Files" "AskRegExtension", default true.
bool ReadAskRegExtension(const TVntIniFile& ini);
void WriteAskRegExtension(TVntIniFile& ini, bool ask);

// Language indexes of the "Config" section; -1 for the screen index means never chosen, and the
// print and help indexes default to the screen index.
struct TLanguageChoice {
  int screen = -1;
  int print = -1;
  int help = -1;
};
TLanguageChoice ReadLanguageChoice(const TVntIniFile& ini);
// True once a screen language has been written (the language dialog is then not shown at start).
bool LanguageChosen(const TVntIniFile& ini);

// "Tarnwell" "ActiveLanguage" of the user store: the text store's initial language id, 0 = none.
int ReadActiveLanguage(const TVntIniFile& userStore);

}  // namespace frame::settings
