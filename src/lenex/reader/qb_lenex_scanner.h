// The LENEX scanner: a small hand-written XML tokenizer over the whole input held in memory.
// It knows start, end and empty-element tags, attributes in double quotes, text, comments,
// processing instructions and markup declarations, and reports problems instead of stopping.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "lenex/reader/qb_lenex_text.h"

namespace lnx {

enum class TQbTokenType {
  Nothing = 0,      // a skipped character, the end of a start tag
  EndOfInput = 1,
  Text = 2,
  StartTag = 3,
  EndTag = 4,       // an end tag, or the "/" of an empty-element tag
  AttributeName = 5,
  AttributeValue = 6,
  Comment = 7,
  Instruction = 8,
  Declaration = 9,
};

enum class TQbScanMode { Content = 0, InStartTag = 1, ExpectValue = 2, ExpectEquals = 3, ExpectClose = 4 };

class TQbLenexScanner {
 public:
  using Reporter = std::function<void(const std::string& message)>;

  // The input must stay alive while the scanner runs. A zero byte ends the input.
  TQbLenexScanner(std::string_view input, Reporter report);

  TQbTokenType Next();
  // The token's text: a name (view into the input) or processed text.
  std::string_view TokenText() const { return tokenText_; }
  // The name of the tag being scanned (empty between tags).
  std::string_view TagName() const { return tagName_; }

  // max(line, start tags seen): the line every message names.
  int MessageLine() const { return line_ > startTags_ ? line_ : startTags_; }
  void CountStartTag() { ++startTags_; }
  std::uint8_t EncodingCode() const { return encoding_.code; }
  // Where the next token starts: nothing before the current token is looked at again.
  size_t Position() const { return pos_; }

 private:
  char At(size_t pos) const { return pos < input_.size() ? input_[pos] : '\0'; }
  void SkipBlanks();
  std::string_view ReadName();
  TQbTokenType ScanContent();
  TQbTokenType ScanInStartTag();
  TQbTokenType ScanComment();
  TQbTokenType ScanDeclaration();
  TQbTokenType ScanInstruction();
  TQbTokenType ScanValue();
  void SetProcessedText(std::string_view raw);
  void Report(const char* message) { report_(message); }

  std::string_view input_;
  Reporter report_;
  size_t pos_ = 0;
  int line_ = 1;
  int startTags_ = 1;
  TQbScanMode mode_ = TQbScanMode::Content;
  std::string tagName_;  // a copy: the input before the current token may be released
  std::string_view tokenText_;
  std::string textBuffer_;
  TQbDeclaredEncoding encoding_;
};

}  // namespace lnx
