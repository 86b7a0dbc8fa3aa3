// Small flag pictures drawn from simple designs (stripes, crosses, a few emblems): nation codes
// of the result files and the languages of the language dialog.
#pragma once

#include <QPixmap>
#include <QString>

namespace frame::ui {

// The flag of a nation code ("SUI", "GER", ..., "SUI_LN" a Swiss regional association: the Swiss
// cross with a coloured mark in the lower right corner); a grey picture for unknown codes.
QPixmap FlagPicture(const QString& code, int width = 18, int height = 12);
// True when the code has a design of its own.
bool HasFlagDesign(const QString& code);

// The nation code whose flag stands for a language index (0 "ch" SUI ... 24 "ua" UKR).
QString FlagCodeOfLanguageIndex(int index);

}  // namespace frame::ui
