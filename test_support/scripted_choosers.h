// Font and colour choosers and a file opener for tests: they answer from a script and record
// what they were asked.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour_chooser.h"
#include "platform/file_opener.h"
#include "platform/font_chooser.h"

namespace qel {

class ScriptedFontChooser : public FontChooser {
 public:
  // Queues the font chosen in the next dialog; when the script runs out, dialogs are
  // cancelled.
  void ChooseNext(const FontChoice& font) { answers_.emplace_back(font); }
  void CancelNext() { answers_.emplace_back(std::nullopt); }

  std::optional<FontChoice> Choose(const FontChoice& initial) override;

  // The font each dialog was set to.
  const std::vector<FontChoice>& asked() const { return asked_; }

 private:
  std::deque<std::optional<FontChoice>> answers_;
  std::vector<FontChoice> asked_;
};

class ScriptedColourChooser : public ColourChooser {
 public:
  void ChooseNext(std::uint32_t colour) { answers_.emplace_back(colour); }
  void CancelNext() { answers_.emplace_back(std::nullopt); }

  std::optional<std::uint32_t> Choose(std::uint32_t initial) override;

  const std::vector<std::uint32_t>& asked() const { return asked_; }

 private:
  std::deque<std::optional<std::uint32_t>> answers_;
  std::vector<std::uint32_t> asked_;
};

class RecordingFileOpener : public FileOpener {
 public:
  // Whether the next files can be opened (true until changed).
  void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }

  bool Open(const std::string& path) override {
    opened_.push_back(path);
    return succeeds_;
  }
  const std::vector<std::string>& opened() const { return opened_; }

 private:
  bool succeeds_ = true;
  std::vector<std::string> opened_;
};

}  // namespace qel
