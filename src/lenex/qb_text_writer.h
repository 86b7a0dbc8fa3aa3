// Text writers for the element writer: into a string or into a file.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace lnx {

class ITextWriter {
 public:
  virtual ~ITextWriter() = default;
  virtual void Write(std::string_view text) = 0;
  void WriteLine(std::string_view text) {
    Write(text);
    Write("\r\n");
  }
  // Whether the writer writes UTF-8 (ours always do).
  virtual bool IsUtf8() const { return true; }
  virtual bool Close() { return true; }
};

class TStringTextWriter final : public ITextWriter {
 public:
  void Write(std::string_view text) override { text_.append(text); }
  const std::string& Text() const { return text_; }
  std::string TakeText() { return std::move(text_); }

 private:
  std::string text_;
};

class TFileTextWriter final : public ITextWriter {
 public:
  explicit TFileTextWriter(const std::string& path);
  ~TFileTextWriter() override;
  bool IsOpen() const { return file_ != nullptr; }
  void Write(std::string_view text) override;
  // Answers false when anything could not be written.
  bool Close() override;

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace lnx
