#include "controls/edit_buffer.h"

#include <algorithm>

namespace win32::controls {
namespace {

enum class CharKind { Space, Word, Break };

CharKind KindOf(char c) {
  if (c == '\r' || c == '\n') return CharKind::Break;
  if (c == ' ' || c == '\t') return CharKind::Space;
  return CharKind::Word;
}

}  // namespace

void EditBuffer::SetSelection(size_t anchor, size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
}

void EditBuffer::MoveCaret(size_t pos, bool extend) {
  caret_ = std::min(pos, text_.size());
  if (!extend) anchor_ = caret_;
  typingRun_ = false;
}

void EditBuffer::Reset(std::string text) {
  text_ = std::move(text);
  anchor_ = caret_ = 0;
  undo_.reset();
  modified_ = false;
  typingRun_ = false;
}

bool EditBuffer::ReplaceSelection(std::string_view insert, bool canUndo, bool coalesce) {
  const size_t start = selStart();
  const size_t removed = selEnd() - start;
  const size_t room = limit_ > text_.size() - removed ? limit_ - (text_.size() - removed) : 0;
  const bool cut = insert.size() > room;
  if (cut) insert = insert.substr(0, room);
  if (canUndo && !(coalesce && typingRun_ && undo_)) undo_ = Snapshot{text_, anchor_, caret_};
  if (!canUndo) undo_.reset();
  text_.replace(start, removed, insert);
  anchor_ = caret_ = start + insert.size();
  modified_ = true;
  typingRun_ = coalesce;
  return cut;
}

bool EditBuffer::Undo() {
  if (!undo_) return false;
  Snapshot current{text_, anchor_, caret_};
  text_ = std::move(undo_->text);
  anchor_ = undo_->anchor;
  caret_ = undo_->caret;
  undo_ = std::move(current);
  modified_ = true;
  typingRun_ = false;
  return true;
}

size_t EditBuffer::PrevWordStart(size_t pos) const {
  pos = std::min(pos, text_.size());
  while (pos > 0 && KindOf(text_[pos - 1]) == CharKind::Space) --pos;
  if (pos > 0 && KindOf(text_[pos - 1]) == CharKind::Break) {
    while (pos > 0 && KindOf(text_[pos - 1]) == CharKind::Break) --pos;
    return pos;
  }
  while (pos > 0 && KindOf(text_[pos - 1]) == CharKind::Word) --pos;
  return pos;
}

size_t EditBuffer::NextWordStart(size_t pos) const {
  const size_t n = text_.size();
  pos = std::min(pos, n);
  if (pos < n && KindOf(text_[pos]) == CharKind::Break) {
    while (pos < n && KindOf(text_[pos]) == CharKind::Break) ++pos;
    return pos;
  }
  while (pos < n && KindOf(text_[pos]) == CharKind::Word) ++pos;
  while (pos < n && KindOf(text_[pos]) == CharKind::Space) ++pos;
  return pos;
}

std::pair<size_t, size_t> EditBuffer::WordAt(size_t pos) const {
  const size_t n = text_.size();
  if (n == 0) return {0, 0};
  pos = std::min(pos, n - 1);
  const CharKind kind = KindOf(text_[pos]);
  size_t start = pos;
  size_t end = pos;
  while (start > 0 && KindOf(text_[start - 1]) == kind) --start;
  while (end < n && KindOf(text_[end]) == kind) ++end;
  if (kind == CharKind::Word)
    while (end < n && KindOf(text_[end]) == CharKind::Space) ++end;
  return {start, end};
}

}  // namespace win32::controls
