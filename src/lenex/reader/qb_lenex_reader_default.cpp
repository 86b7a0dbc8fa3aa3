#include "lenex/reader/qb_lenex_reader_default.h"

#include <climits>
#include <cmath>

#include "base/qb_strings.h"
#include "base/temp_files.h"
#include "lenex/container/qb_lenex_source_file.h"
#include "lenex/qb_attribute_forms.h"
#include "lenex/qb_xml_element.h"
#include "lenex/reader/qb_lenex_scanner.h"

namespace lnx {

TQbLenexReaderDefault::TQbLenexReaderDefault(const std::string& file) : TQbLenexReader(file) {}

TQbLenexReaderDefault::TQbLenexReaderDefault() : TQbLenexReader(std::string()) {}

TQbLenexReaderDefault::~TQbLenexReaderDefault() = default;

std::unique_ptr<TQbLenexReaderDefault> TQbLenexReaderDefault::FromText(std::string text) {
  std::unique_ptr<TQbLenexReaderDefault> reader(new TQbLenexReaderDefault());
  reader->input_ = std::move(text);
  return reader;
}

bool TQbLenexReaderDefault::LoadInput() {
  if (input_) return true;
  source_ = std::make_unique<TQbLenexSourceFile>(file_);
  for (const auto& e : source_->Errors()) errors_.push_back(e);
  if (source_->FileToRead().empty()) return false;
  std::string content;
  if (!qb::ReadWholeFile(source_->FileToRead(), content)) {
    errors_.push_back("Can not open file !");
    return false;
  }
  input_ = std::move(content);
  return true;
}

bool TQbLenexReaderDefault::Read() {
  if (!LoadInput()) return false;

  TQbLenexScanner scanner(*input_, [&](const std::string& message) {
    errors_.push_back(qb::Format("Line %d: %s", scanner.MessageLine(), message.c_str()));
  });
  auto report = [&](const std::string& message) {
    errors_.push_back(qb::Format("Line %d: %s", scanner.MessageLine(), message.c_str()));
  };

  root_ = NewXmlElement("LENEX");
  static const TQbAtom kVersion = AtomOf("version");

  // Text, comments, instructions and declarations may stand before the first tag.
  TQbTokenType token;
  do {
    token = scanner.Next();
  } while (token == TQbTokenType::Nothing || token == TQbTokenType::Text || token == TQbTokenType::Comment ||
           token == TQbTokenType::Instruction || token == TQbTokenType::Declaration);

  bool versionOne = false;
  if (token == TQbTokenType::StartTag && scanner.TokenText() == "LENEX") {
    std::vector<IQbXmlElement*> stack{root_.get()};
    TQbXmlElementList orphans;  // elements after the root was closed: read, then dropped
    IQbXmlElement* versionElement = nullptr;
    while ((token = scanner.Next()) != TQbTokenType::EndOfInput) {
      IQbXmlElement* top = stack.empty() ? nullptr : stack.back();
      switch (token) {
        case TQbTokenType::Text:
          if (top) top->SetText(scanner.TokenText());
          break;
        case TQbTokenType::StartTag: {
          scanner.CountStartTag();
          if (stack.size() >= kMaxDepth) {
            report("Elements nested too deeply !");
            token = TQbTokenType::EndOfInput;
            break;
          }
          auto element = NewXmlElement(AtomOf(scanner.TokenText()), scanner.MessageLine());
          if (top == root_.get() && qb::EqualsNoCaseAscii(scanner.TokenText(), "VERSION"))
            versionElement = element.get();
          if (top)
            top->AddChild(element);
          else
            orphans.push_back(element);
          stack.push_back(element.get());
          break;
        }
        case TQbTokenType::EndTag:
          if (top && AtomName(top->NameAtom()) == scanner.TagName())
            stack.pop_back();
          else
            report(qb::Format("Unexpected tag: /%s !", std::string(scanner.TokenText()).c_str()));
          break;
        case TQbTokenType::AttributeName: {
          TQbAtom name = AtomOf(scanner.TokenText());
          TQbTokenType next;
          do {
            next = scanner.Next();
          } while (next == TQbTokenType::Nothing);
          if (next == TQbTokenType::AttributeValue) {
            if (top) top->SetAttribute(name, scanner.TokenText());
          } else {
            report("Value expected !");
            if (next == TQbTokenType::EndOfInput) token = next;
          }
          break;
        }
        case TQbTokenType::AttributeValue:
          report(qb::Format("Unexpected value \"%s\"", std::string(scanner.TokenText()).c_str()));
          break;
        default:
          break;
      }
      if (versionElement && qb::StartsWith(versionElement->AttributeView(kTextAtom), "01.")) {
        versionOne = true;
        break;
      }
      if (token == TQbTokenType::EndOfInput) break;
    }
  }

  encodingFound_ = scanner.EncodingCode();
  if (versionOne) {
    version_ = 1;
  } else {
    double v = std::nearbyint(ReadFloat(root_->AttributeView(kVersion)));  // halves to even
    int rounded = v >= INT_MAX ? INT_MAX : v <= INT_MIN ? INT_MIN : static_cast<int>(v);
    version_ = rounded == 0 ? 2 : rounded;
  }
  return true;
}

}  // namespace lnx
