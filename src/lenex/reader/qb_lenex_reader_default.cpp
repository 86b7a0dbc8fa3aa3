#include "lenex/reader/qb_lenex_reader_default.h"

#include <climits>
#include <cmath>

#include "base/qb_strings.h"
#include "base/temp_files.h"
#include "lenex/container/lenex_source_file.h"
#include "lenex/qb_attribute_forms.h"
#include "lenex/qb_xml_element.h"
#include "lenex/reader/qb_lenex_scanner.h"
#include "lenex/reader/qb_mapped_input.h"

namespace lnx {

namespace {

// Names repeat all through a file: a small direct-mapped cache saves most atom table look-ups.
class AtomCache {
 public:
  TQbAtom Of(std::string_view name) {
    if (name.empty()) return kTextAtom;
    size_t slot = (name.size() * 31 + static_cast<unsigned char>(name[0]) * 7 +
                   static_cast<unsigned char>(name.back())) & (kSlots - 1);
    Entry& e = entries_[slot];
    if (e.atom != 0 && e.name == name) return e.atom;
    e.name.assign(name);
    e.atom = AtomOf(name);
    return e.atom;
  }

 private:
  static constexpr size_t kSlots = 256;
  struct Entry {
    std::string name;
    TQbAtom atom = 0;
  };
  Entry entries_[kSlots];
};

// Builds the tree from the scanner's tokens.
class TreeBuilder {
 public:
  TreeBuilder(TQbLenexScanner& scanner, TQbXmlElementPtr root, std::vector<std::string>& errors,
              TQbMappedInput* mapped)
      : scanner_(scanner), root_(std::move(root)), errors_(errors), mapped_(mapped) {}

  // Reads the body after the root's start tag; answers true when a VERSION "01." stopped it.
  bool ReadBody();

 private:
  void Report(const std::string& message) {
    errors_.push_back(qb::Format("Line %d: %s", scanner_.MessageLine(), message.c_str()));
  }
  TQbXmlElement* Top() const { return stack_.empty() ? nullptr : stack_.back(); }
  void FlushAttributes() {
    if (pending_ && !scratch_.HasNoAttributes()) pending_->AdoptAttributesOf(scratch_);
    pending_ = nullptr;
  }
  void SetAttribute(TQbAtom name, std::string_view value) {
    if (pending_ != Top()) FlushAttributes();
    pending_ = Top();
    if (pending_) scratch_.SetAttribute(name, value);
  }
  bool StartTag();
  void EndTag();
  bool AttributeName();

  TQbLenexScanner& scanner_;
  TQbXmlElementPtr root_;
  std::vector<std::string>& errors_;
  TQbMappedInput* mapped_;
  std::vector<TQbXmlElement*> stack_;
  TQbXmlElementList orphans_;  // elements after the root was closed: read, then dropped
  TQbXmlElement* versionElement_ = nullptr;
  TQbXmlElement* pending_ = nullptr;
  TQbXmlElement scratch_{kTextAtom, 0};
  AtomCache atoms_;
};

bool TreeBuilder::ReadBody() {
  stack_.push_back(static_cast<TQbXmlElement*>(root_.get()));
  size_t nextRelease = 1 << 22;
  TQbTokenType token;
  while ((token = scanner_.Next()) != TQbTokenType::EndOfInput) {
    bool stop = false;
    switch (token) {
      case TQbTokenType::Text:
        FlushAttributes();
        if (Top()) Top()->SetText(scanner_.TokenText());
        break;
      case TQbTokenType::StartTag:
        FlushAttributes();
        stop = !StartTag();
        break;
      case TQbTokenType::EndTag:
        FlushAttributes();
        EndTag();
        break;
      case TQbTokenType::AttributeName:
        stop = !AttributeName();
        break;
      case TQbTokenType::AttributeValue:
        Report(qb::Format("Unexpected value \"%s\"", std::string(scanner_.TokenText()).c_str()));
        break;
      default:
        break;
    }
    if (versionElement_ && qb::StartsWith(versionElement_->AttributeView(kTextAtom), "01.")) {
      FlushAttributes();
      return true;
    }
    if (stop) break;
    if (mapped_ && scanner_.Position() > nextRelease) {
      mapped_->ReleaseBefore(scanner_.Position() - (1 << 20));
      nextRelease = scanner_.Position() + (1 << 22);
    }
  }
  FlushAttributes();
  return false;
}

bool TreeBuilder::StartTag() {
  scanner_.CountStartTag();
  if (stack_.size() >= TQbLenexReaderDefault::kMaxDepth) {
    Report("Elements nested too deeply !");
    return false;
  }
  auto element = std::make_shared<TQbXmlElement>(atoms_.Of(scanner_.TokenText()), scanner_.MessageLine());
  TQbXmlElement* top = Top();
  if (top == root_.get() && qb::EqualsNoCaseAscii(scanner_.TokenText(), "VERSION")) versionElement_ = element.get();
  stack_.push_back(element.get());
  if (top)
    top->AddChild(std::move(element));
  else
    orphans_.push_back(std::move(element));
  return true;
}

void TreeBuilder::EndTag() {
  TQbXmlElement* top = Top();
  if (top && top->NameAtom() == atoms_.Of(scanner_.TagName()))
    stack_.pop_back();
  else
    Report(qb::Format("Unexpected tag: /%s !", std::string(scanner_.TokenText()).c_str()));
}

bool TreeBuilder::AttributeName() {
  TQbAtom name = atoms_.Of(scanner_.TokenText());
  TQbTokenType next;
  do {
    next = scanner_.Next();
  } while (next == TQbTokenType::Nothing);
  if (next == TQbTokenType::AttributeValue) {
    SetAttribute(name, scanner_.TokenText());
    return true;
  }
  Report("Value expected !");  // the token that came instead is dropped
  return next != TQbTokenType::EndOfInput;
}

}  // namespace

TQbLenexReaderDefault::TQbLenexReaderDefault() : TQbLenexReader(std::string()) {}

TQbLenexReaderDefault::TQbLenexReaderDefault(const std::string& file) : TQbLenexReader(file) {}

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
  mapped_ = std::make_unique<TQbMappedInput>();
  if (!mapped_->Open(source_->FileToRead())) {
    errors_.push_back("Can not open file !");
    return false;
  }
  return true;
}

bool TQbLenexReaderDefault::Read() {
  if (!LoadInput()) return false;
  std::string_view text = input_ ? std::string_view(*input_) : mapped_->Text();

  TQbLenexScanner scanner(text, [&](const std::string& message) {
    errors_.push_back(qb::Format("Line %d: %s", scanner.MessageLine(), message.c_str()));
  });
  root_ = NewXmlElement("LENEX");

  // Text, comments, instructions and declarations may stand before the first tag.
  TQbTokenType token;
  do {
    token = scanner.Next();
  } while (token == TQbTokenType::Nothing || token == TQbTokenType::Text || token == TQbTokenType::Comment ||
           token == TQbTokenType::Instruction || token == TQbTokenType::Declaration);

  bool versionOne = false;
  if (token == TQbTokenType::StartTag && scanner.TokenText() == "LENEX") {
    TreeBuilder builder(scanner, root_, errors_, mapped_.get());
    versionOne = builder.ReadBody();
  }

  encodingFound_ = scanner.EncodingCode();
  if (versionOne) {
    version_ = 1;
  } else {
    static const TQbAtom kVersion = AtomOf("version");
    double v = std::nearbyint(ReadFloat(root_->AttributeView(kVersion)));  // halves to even
    int rounded = v >= INT_MAX ? INT_MAX : v <= INT_MIN ? INT_MIN : static_cast<int>(v);
    version_ = rounded == 0 ? 2 : rounded;
  }
  mapped_.reset();
  return true;
}

}  // namespace lnx
