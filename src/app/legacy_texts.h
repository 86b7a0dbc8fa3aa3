// Loads the texts of the converters' older document model (gender names and letters, status
// list, team format) from the current screen language: S.3, S.4, S.5 and S.29.
#pragma once

namespace app {

void LoadLegacyTexts();

}  // namespace app
