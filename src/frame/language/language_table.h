// The languages of the text store: ids 0..26 with their two-letter codes (which form the file
// names) and English names. The language manager numbers them by index: index = id - 1 for the
// ids 1..25, index 25 stands for no language (id 0), id 26 has no index.
#pragma once

#include <string>
#include <string_view>

namespace frame {

inline constexpr int kLanguageIdCount = 27;       // ids 0..26
inline constexpr int kLanguageNone = 0;           // id "xx"
inline constexpr int kLanguageGermanSwiss = 1;
inline constexpr int kLanguageGerman = 2;
inline constexpr int kLanguageFrench = 3;
inline constexpr int kLanguageEnglish = 4;
inline constexpr int kLanguageSpanish = 7;
inline constexpr int kLanguageGermanAustria = 16;
inline constexpr int kLanguageFrenchCanada = 17;
inline constexpr int kLanguageSpanishMexico = 23;
inline constexpr int kLanguageEnglishUk = 24;
inline constexpr int kLanguageSerbian = 26;

inline constexpr int kLanguageIndexCount = 26;    // indexes 0..25
inline constexpr int kNoLanguageIndex = 25;

bool IsLanguageId(int id);
// "xx" for id 0 and for ids outside 0..26.
std::string_view LanguageCodeOfId(int id);
std::string_view LanguageNameOfId(int id);
// The id of a two-letter code (any case), or -1.
int LanguageIdOfCode(std::string_view code);

// Index of an id: id - 1 for 1..25, else 25 (no language).
int LanguageIndexOfId(int id);
// Id of an index: index + 1 for 0..24, else 0.
int LanguageIdOfIndex(int index);
// The code of an index ("xx" for 25 and invalid indexes).
std::string_view LanguageCodeOfIndex(int index);

// The language whose file is tried next when none exists for id: 2 -> 1, 3 -> 1, 16 -> 2,
// 17 -> 3, 23 -> 7, 4 -> none (answers 0), any other -> 4.
int FallbackLanguage(int id);

// The language of a POSIX locale name ("de_CH.UTF-8", "fr_CA", "en", "C"), as the program
// derives it from the user's environment when no language has been stored; English when the
// language has no file of its own.
int LanguageIdOfLocale(std::string_view locale);

}  // namespace frame
