// Texts the main window composes: its caption, the competitions box items, the error message of
// an unreadable file, and the help text file of a language.
#pragma once

#include <string>
#include <vector>

namespace app {

// "VANTOR " + title, and with a file name " - " + the file's full name.
std::string CaptionText(const std::string& applicationTitle, const std::string& fullFileName = {});
// The application title: the program file's base name ("lapscope").
std::string ApplicationTitle(const std::string& programPath);
// The full (absolute, normalised) name of a file.
std::string FullFileName(const std::string& file);

// One item of the competitions box: name, two blanks after the comma, city, three blanks before
// the course name in parentheses.
std::string CompetitionItemText(const std::string& name, const std::string& city, const std::string& courseName);

// The message for a document with errors: the intro text, a line break and one line per error.
std::string ErrorListMessage(const std::string& intro, const std::vector<std::string>& errors);

// The help text file of a language code ("de", "us") in the data folder: lapscope<code>.html.
std::string HelpTextFile(const std::string& dataFolder, const std::string& code);
// The help text shown for a screen language index: German for German Swiss and German (0, 1),
// English for every other language.
std::string HelpCodeForScreenIndex(int screenIndex);

// True when the companion editor "scribra" (with or without ".exe") is in the folder.
bool CompanionEditorExists(const std::string& folder);

}  // namespace app
