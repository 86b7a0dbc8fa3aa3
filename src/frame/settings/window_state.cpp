#include "frame/settings/window_state.h"

#include <algorithm>

#include "base/qb_strings.h"
#include "frame/settings/lapscope_settings.h"

namespace frame {

std::optional<TWindowState> ParseWindowState(std::string_view text) {
  std::vector<std::string> parts = qb::Split(text, ',');
  if (parts.size() != 5) return std::nullopt;
  int v[5];
  for (int i = 0; i < 5; ++i)
    if (!qb::TryParseInt(parts[i], v[i])) return std::nullopt;
  TWindowState s;
  s.rect = {v[0], v[1], v[2], v[3]};
  s.state = (v[4] == 1 || v[4] == 2) ? static_cast<TWindowShowState>(v[4]) : TWindowShowState::Normal;
  return s;
}

std::string WindowStateText(const TWindowState& s) {
  return qb::Format("%d,%d,%d,%d,%d", s.rect.left, s.rect.top, s.rect.width, s.rect.height,
                    static_cast<int>(s.state));
}

std::optional<TWindowState> ReadWindowState(const TVntIniFile& userStore, std::string_view formName) {
  return ParseWindowState(userStore.ReadString(settings::kWindowStates, formName, ""));
}

void WriteWindowState(TVntIniFile& userStore, std::string_view formName, const TWindowState& state) {
  userStore.WriteString(settings::kWindowStates, formName, WindowStateText(state));
}

namespace {
TWindowRect Centred(const TWindowRect& screen, int width, int height) {
  return {screen.left + (screen.width - width) / 2, screen.top + (screen.height - height) / 2, width, height};
}
}  // namespace

TWindowState PlaceWindow(const std::optional<TWindowState>& stored, const TWindowRect& screen,
                         const TWindowRect& designed, bool sizeable) {
  TWindowState placed;
  if (!stored) {
    placed.rect = Centred(screen, designed.width, designed.height);
    return placed;
  }
  const int maxLeft = std::max(screen.width - 10, 0);
  const int maxTop = std::max(screen.height - 10, 0);
  int width = designed.width, height = designed.height;
  if (sizeable) {
    // A width or height below 1 is no size at all; the designed one is kept then.
    if (stored->rect.width > 0) width = std::min(stored->rect.width, std::max(screen.width - 10, 1));
    if (stored->rect.height > 0) height = std::min(stored->rect.height, std::max(screen.height - 10, 1));
  }
  int left = std::clamp(stored->rect.left - screen.left, 0, maxLeft);
  int top = std::clamp(stored->rect.top - screen.top, 0, maxTop);
  bool outside = left > screen.width - 10 || left + width < 10 || top > screen.height - 30 || top + height < 10;
  placed.rect = outside ? Centred(screen, width, height) : TWindowRect{screen.left + left, screen.top + top, width, height};
  placed.state = stored->state;
  return placed;
}

}  // namespace frame
