// The text model of an edit control: 8-bit text, the selection, the text
// limit, the modify flag and the single-level undo. No window knowledge.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace win32::controls {

class EditBuffer {
 public:
  static constexpr size_t kDefaultLimit = 30000;

  const std::string& text() const { return text_; }
  size_t size() const { return text_.size(); }

  // The selection runs from the anchor to the caret; either may be first.
  size_t anchor() const { return anchor_; }
  size_t caret() const { return caret_; }
  size_t selStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t selEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool hasSelection() const { return anchor_ != caret_; }
  std::string selectedText() const { return text_.substr(selStart(), selEnd() - selStart()); }
  // Both ends are clamped to the text.
  void SetSelection(size_t anchor, size_t caret);
  // Moves the caret; `extend` keeps the anchor (Shift+movement).
  void MoveCaret(size_t pos, bool extend);

  size_t limit() const { return limit_; }
  void SetLimit(size_t limit) { limit_ = limit; }

  bool modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Replaces the whole text: the caret goes to the start, undo is emptied,
  // the modify flag cleared. The limit does not apply.
  void Reset(std::string text);

  // Replaces the selection with `insert`, cut to the room the limit leaves.
  // Answers true when text was cut. `canUndo` records the change for undo;
  // `coalesce` joins it with the previous typed change (runs of typing undo
  // as one step).
  bool ReplaceSelection(std::string_view insert, bool canUndo, bool coalesce = false);

  bool canUndo() const { return undo_.has_value(); }
  void EmptyUndo() { undo_.reset(); }
  // Swaps the text and selection with the undo state, so an undo of an undo
  // redoes. Answers false when there is nothing to undo.
  bool Undo();
  // Ends a run of typing (the caret moved, or another kind of edit came).
  void BreakTypingRun() { typingRun_ = false; }

  // Word boundaries for Ctrl+Left/Right and double-clicks.
  size_t PrevWordStart(size_t pos) const;
  size_t NextWordStart(size_t pos) const;
  // The [start, end) of the word (or run of spaces) around `pos`.
  std::pair<size_t, size_t> WordAt(size_t pos) const;

 private:
  struct Snapshot {
    std::string text;
    size_t anchor = 0;
    size_t caret = 0;
  };

  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t limit_ = kDefaultLimit;
  bool modified_ = false;
  bool typingRun_ = false;
  std::optional<Snapshot> undo_;
};

}  // namespace win32::controls
