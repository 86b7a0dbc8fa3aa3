#include "lenex/reader/qb_lenex_scanner.h"

#include <cstring>

#include "base/qb_strings.h"

namespace lnx {

namespace {
enum : unsigned char { kBlank = 1, kName = 2, kLetter = 4 };

struct CharClasses {
  unsigned char of[256] = {};
  constexpr CharClasses() {
    for (int c = 1; c <= 32; ++c) of[c] = kBlank;
    for (int c = '0'; c <= ':'; ++c) of[c] = kName;
    for (int c = 'A'; c <= 'Z'; ++c) of[c] = kName | kLetter;
    for (int c = 'a'; c <= 'z'; ++c) of[c] = kName | kLetter;
    of[static_cast<unsigned char>('$')] = kName;
    of[static_cast<unsigned char>('.')] = kName;
    of[static_cast<unsigned char>('_')] = kName;
  }
};
constexpr CharClasses kClasses;

inline bool Is(char c, unsigned char cls) { return kClasses.of[static_cast<unsigned char>(c)] & cls; }
bool IsNameChar(char c) { return Is(c, kName); }
bool IsLetter(char c) { return Is(c, kLetter); }
}  // namespace

TQbLenexScanner::TQbLenexScanner(std::string_view input, Reporter report)
    : input_(input.substr(0, input.find('\0'))), report_(std::move(report)) {}

void TQbLenexScanner::SkipBlanks() {
  const char* p = input_.data();
  const size_t n = input_.size();
  size_t pos = pos_;
  while (pos < n && Is(p[pos], kBlank)) {
    if (p[pos] == '\n') ++line_;
    ++pos;
  }
  pos_ = pos;
}

std::string_view TQbLenexScanner::ReadName() {
  const char* p = input_.data();
  const size_t n = input_.size();
  size_t start = pos_, pos = pos_;
  while (pos < n && IsNameChar(p[pos])) ++pos;
  pos_ = pos;
  return input_.substr(start, pos - start);
}

void TQbLenexScanner::SetProcessedText(std::string_view raw) {
  DecodeLenexText(raw, encoding_, textBuffer_);
  tokenText_ = textBuffer_;
}

TQbTokenType TQbLenexScanner::Next() {
  SkipBlanks();
  tokenText_ = {};
  if (pos_ >= input_.size()) return TQbTokenType::EndOfInput;
  switch (mode_) {
    case TQbScanMode::InStartTag:
      return ScanInStartTag();
    case TQbScanMode::ExpectValue:
      mode_ = TQbScanMode::InStartTag;
      return ScanValue();
    case TQbScanMode::ExpectEquals:
      if (input_[pos_] == '=') {
        ++pos_;
        mode_ = TQbScanMode::ExpectValue;
      } else {
        Report("= expected !");
        mode_ = TQbScanMode::InStartTag;
      }
      return TQbTokenType::Nothing;
    case TQbScanMode::ExpectClose:
      if (input_[pos_] == '>')
        ++pos_;
      else
        Report("> expected !");
      mode_ = TQbScanMode::Content;
      tagName_.clear();
      return TQbTokenType::Nothing;
    case TQbScanMode::Content:
      break;
  }
  return ScanContent();
}

TQbTokenType TQbLenexScanner::ScanInStartTag() {
  char c = input_[pos_];
  if (c == '/') {
    ++pos_;
    mode_ = TQbScanMode::ExpectClose;
    return TQbTokenType::EndTag;
  }
  if (c == '<') {
    ++pos_;
    if (input_.substr(pos_, 3) == "!--") return ScanComment();
    return TQbTokenType::Nothing;
  }
  if (c == '>') {
    ++pos_;
    mode_ = TQbScanMode::Content;
    tagName_.clear();
    return TQbTokenType::Nothing;
  }
  if (IsLetter(c)) {
    tokenText_ = ReadName();
    mode_ = TQbScanMode::ExpectEquals;
    return TQbTokenType::AttributeName;
  }
  ++pos_;
  return TQbTokenType::Nothing;
}

TQbTokenType TQbLenexScanner::ScanValue() {
  if (input_[pos_] != '"') {
    // No opening quote: an empty value; the rest is read again inside the tag.
    Report("Quote \" expected !");
    return TQbTokenType::AttributeValue;
  }
  ++pos_;
  size_t end = input_.find('"', pos_);
  std::string_view raw;
  if (end == std::string_view::npos) {
    Report("Quote \" expected !");
    raw = input_.substr(pos_);
    pos_ = input_.size();
  } else {
    raw = input_.substr(pos_, end - pos_);
    pos_ = end + 1;
  }
  SetProcessedText(raw);
  return TQbTokenType::AttributeValue;
}

TQbTokenType TQbLenexScanner::ScanContent() {
  if (input_[pos_] != '<') {
    size_t end = input_.find('<', pos_);
    if (end == std::string_view::npos) end = input_.size();
    std::string_view raw = input_.substr(pos_, end - pos_);
    pos_ = end;
    SetProcessedText(raw);
    return TQbTokenType::Text;
  }
  ++pos_;  // the "<"
  char c = At(pos_);
  if (c == '!') return At(pos_ + 1) == '-' ? ScanComment() : ScanDeclaration();
  if (c == '?') return ScanInstruction();
  if (c == '/') {
    ++pos_;
    tagName_.assign(ReadName());
    tokenText_ = tagName_;
    mode_ = TQbScanMode::ExpectClose;
    return TQbTokenType::EndTag;
  }
  tagName_.assign(ReadName());
  tokenText_ = tagName_;
  mode_ = TQbScanMode::InStartTag;
  return TQbTokenType::StartTag;
}

TQbTokenType TQbLenexScanner::ScanComment() {
  while (pos_ < input_.size() && (input_[pos_] == '!' || input_[pos_] == '-')) ++pos_;
  size_t end = input_.find("-->", pos_);
  std::string_view body;
  if (end == std::string_view::npos) {
    body = input_.substr(pos_);
    pos_ = input_.size();
  } else {
    body = input_.substr(pos_, end - pos_);
    pos_ = end + 3;
  }
  tokenText_ = qb::TrimView(body);
  return TQbTokenType::Comment;
}

TQbTokenType TQbLenexScanner::ScanDeclaration() {
  // "<!DOCTYPE ...>": runs to the first ">" outside a bracketed internal subset.
  ++pos_;  // the "!"
  size_t start = pos_;
  int depth = 0;
  while (pos_ < input_.size()) {
    char c = input_[pos_];
    if (c == '[') ++depth;
    else if (c == ']' && depth > 0) --depth;
    else if (c == '>' && depth == 0) break;
    ++pos_;
  }
  tokenText_ = qb::TrimView(input_.substr(start, pos_ - start));
  if (pos_ < input_.size()) ++pos_;
  return TQbTokenType::Declaration;
}

TQbTokenType TQbLenexScanner::ScanInstruction() {
  ++pos_;  // the "?"
  size_t end = input_.find("?>", pos_);
  std::string_view content;
  if (end == std::string_view::npos) {
    content = input_.substr(pos_);
    pos_ = input_.size();
  } else {
    content = input_.substr(pos_, end - pos_);
    pos_ = end + 2;
  }
  encoding_ = TQbDeclaredEncoding::FromName(EncodingNameOf(content));
  return TQbTokenType::Instruction;
}

}  // namespace lnx
