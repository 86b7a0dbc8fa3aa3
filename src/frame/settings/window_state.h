// A form's stored window state ("left,top,width,height,state" in the user store's section
// "VNT_WindowStates", keyed by the form's name) and where a form opens on a given screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frame/settings/vnt_ini_file.h"

namespace frame {

enum class TWindowShowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct TWindowRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TWindowRect&) const = default;
};

struct TWindowState {
  TWindowRect rect;  // the normal (restored) position and size
  TWindowShowState state = TWindowShowState::Normal;
  bool operator==(const TWindowState&) const = default;
};

// Five decimal numbers joined by ","; anything else gives no state. A state number other than
// 0, 1 or 2 reads as normal.
std::optional<TWindowState> ParseWindowState(std::string_view text);
std::string WindowStateText(const TWindowState& state);

std::optional<TWindowState> ReadWindowState(const TVntIniFile& userStore, std::string_view formName);
void WriteWindowState(TVntIniFile& userStore, std::string_view formName, const TWindowState& state);

// Where a form opens. screen is the available screen area; designed is the form's own rectangle
// (its size is kept for forms that are not sizeable). Without a stored state the form is centred.
// Otherwise left is limited to 0 .. screen width - 10 and top to 0 .. screen height - 10 (relative
// to the screen's origin); a sizeable form takes the stored width and height, each limited to the
// screen size - 10. A form that still lies outside the screen is centred.
TWindowState PlaceWindow(const std::optional<TWindowState>& stored, const TWindowRect& screen,
                         const TWindowRect& designed, bool sizeable);

}  // namespace frame
