#include "frame/settings/lapscope_settings.h"

#include <algorithm>

namespace frame::settings {

TMainLayout ReadMainLayout(const TVntIniFile& ini, int findDialogLeft, int findDialogTop) {
  TMainLayout l;
  l.findDialogLeft = ini.ReadInteger(kMain, kFindDialogLeft, findDialogLeft);
  l.findDialogTop = ini.ReadInteger(kMain, kFindDialogTop, findDialogTop);
  l.openPath = ini.ReadString(kMain, kOpenPath, "");
  l.activePage = ini.ReadInteger(kMain, kActivePage, l.activePage);
  l.eventsTreeWidth = ini.ReadInteger(kMain, kEventsTreeWidth, l.eventsTreeWidth);
  l.clubsTreeWidth = ini.ReadInteger(kMain, kClubsTreeWidth, l.clubsTreeWidth);
  for (size_t i = 0; i < l.eventsHeader.size(); ++i)
    l.eventsHeader[i] = ini.ReadInteger(kMain, kEventsHeaderPrefix + std::to_string(i), l.eventsHeader[i]);
  for (size_t i = 0; i < l.clubsHeader.size(); ++i)
    l.clubsHeader[i] = ini.ReadInteger(kMain, kClubsHeaderPrefix + std::to_string(i), l.clubsHeader[i]);
  l.eventsSplit = ini.ReadBool(kMain, kEventsSplit, false);
  l.eventsOnlyValids = ini.ReadBool(kMain, kEventsOnlyValids, false);
  l.clubsSplit = ini.ReadBool(kMain, kClubsSplit, false);
  l.clubsOnlyValids = ini.ReadBool(kMain, kClubsOnlyValids, false);
  return l;
}

void WriteMainLayout(TVntIniFile& ini, const TMainLayout& l) {
  ini.WriteInteger(kMain, kFindDialogLeft, l.findDialogLeft);
  ini.WriteInteger(kMain, kFindDialogTop, l.findDialogTop);
  if (!l.openPath.empty()) ini.WriteString(kMain, kOpenPath, l.openPath);
  ini.WriteInteger(kMain, kActivePage, l.activePage);
  ini.WriteInteger(kMain, kEventsTreeWidth, l.eventsTreeWidth);
  ini.WriteInteger(kMain, kClubsTreeWidth, l.clubsTreeWidth);
  for (size_t i = 0; i < l.eventsHeader.size(); ++i)
    ini.WriteInteger(kMain, kEventsHeaderPrefix + std::to_string(i), l.eventsHeader[i]);
  for (size_t i = 0; i < l.clubsHeader.size(); ++i)
    ini.WriteInteger(kMain, kClubsHeaderPrefix + std::to_string(i), l.clubsHeader[i]);
  ini.WriteBool(kMain, kEventsSplit, l.eventsSplit);
  ini.WriteBool(kMain, kEventsOnlyValids, l.eventsOnlyValids);
  ini.WriteBool(kMain, kClubsSplit, l.clubsSplit);
  ini.WriteBool(kMain, kClubsOnlyValids, l.clubsOnlyValids);
}

int StartPageIndex(int stored, int lastPageIndex) {
  int page = std::clamp(stored, 0, std::max(lastPageIndex, 0));
  return page == kHelpPage ? kEventsPage : page;
}

bool ReadAskRegExtension(const TVntIniFile& ini) { return ini.ReadBool(kFiles, kAskRegExtension, true); }

void WriteAskRegExtension(TVntIniFile& ini, bool ask) { ini.WriteBool(kFiles, kAskRegExtension, ask); }

TLanguageChoice ReadLanguageChoice(const TVntIniFile& ini) {
  TLanguageChoice c;
  c.screen = ini.ReadInteger(kConfig, kScreenLanguage, -1);
  c.print = ini.ReadInteger(kConfig, kPrintLanguage, c.screen);
  c.help = ini.ReadInteger(kConfig, kHelpLanguage, c.screen);
  return c;
}

bool LanguageChosen(const TVntIniFile& ini) { return ini.ValueExists(kConfig, kScreenLanguage); }

int ReadActiveLanguage(const TVntIniFile& userStore) { return userStore.ReadInteger(kTarnwell, kActiveLanguage, 0); }

}  // namespace frame::settings
