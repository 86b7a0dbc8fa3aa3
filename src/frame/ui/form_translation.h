// Translation of a form by component name from its form sections, and the export of a form's
// texts for translators.
#pragma once

#include <string>
#include <vector>

#include "frame/language/qb_language_txt_files.h"

class QWidget;

namespace frame::ui {

// Applies one form section's texts: the caption when given, then each component block to the
// form's component of that name (blocks naming no component are skipped). By kind:
//   translatable (action list): the whole block; label, button, group box, menu, action: caption
//   and hint; combo and list box: hint unless empty, then the items (the selected index is kept);
//   tab page: its tab's caption; text edit: hint unless empty, then the text lines; any other
//   widget: hint. A hint is applied only when the block has a second line; an empty caption
//   keeps the designed one.
void ApplyFormTexts(QWidget* form, const TFormTexts& texts);

// Applies the sections of classChain from the first (the nearest base class) to the last (the
// form's own class) from the text store.
void TranslateForm(QWidget* form, const std::vector<std::string>& classChain, const TQbLanguageTxtFiles& texts);

// The export text of a form: "[" + class name + "]", the caption (or "."), then for each
// component with a text that holds a letter and is not "OK": ".@" + name and its texts in the
// order they are read. Lines end with "\r\n".
std::string ExportFormText(QWidget* form, const std::string& className);

// Writes <folder>/<className>.txt unless it exists; true when it was written now.
bool ExportFormFile(QWidget* form, const std::string& className, const std::string& folder);

}  // namespace frame::ui
