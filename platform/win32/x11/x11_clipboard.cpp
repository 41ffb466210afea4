// The text clipboard shared with other X programs: we own the CLIPBOARD
// selection while our clipboard holds text, and ask its owner otherwise.
#include <X11/Xatom.h>

#include <chrono>

#include "x11/x11_backend.h"

namespace win32::x11 {

void X11Backend::PublishClipboard(const std::string& text) {
  {
    std::lock_guard<std::mutex> lk(clipMu_);
    ownedText_ = text;
    ownsClipboard_ = true;
  }
  XSetSelectionOwner(display_, atoms_.clipboard, helper_, CurrentTime);
  XFlush(display_);
}

std::optional<std::string> X11Backend::FetchClipboard() {
  std::unique_lock<std::mutex> lk(clipMu_);
  if (ownsClipboard_) return ownedText_;
  if (XGetSelectionOwner(display_, atoms_.clipboard) == None) return std::nullopt;
  const std::uint64_t ticket = ++fetchRequested_;
  XConvertSelection(display_, atoms_.clipboard, atoms_.utf8String, atoms_.selectionProperty, helper_, CurrentTime);
  XFlush(display_);
  // An owner that never answers must not hang a paste.
  if (!clipCv_.wait_for(lk, std::chrono::seconds(2), [&] { return fetchAnswered_ >= ticket; })) return std::nullopt;
  return fetched_;
}

void X11Backend::HandleSelectionNotify(const XSelectionEvent& ev) {
  std::optional<std::string> text;
  if (ev.property != None) {
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, helper_, ev.property, 0, 1 << 24, True, AnyPropertyType, &type, &format, &count,
                           &remaining, &data) == Success &&
        data) {
      if (format == 8) text = std::string(reinterpret_cast<const char*>(data), count);
      XFree(data);
    }
  }
  std::lock_guard<std::mutex> lk(clipMu_);
  fetched_ = std::move(text);
  fetchAnswered_ = fetchRequested_;
  clipCv_.notify_all();
}

void X11Backend::HandleSelectionRequest(const XSelectionRequestEvent& req) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = req.requestor;
  reply.xselection.selection = req.selection;
  reply.xselection.target = req.target;
  reply.xselection.time = req.time;
  reply.xselection.property = None;
  const Atom property = req.property != None ? req.property : req.target;
  std::string text;
  bool owns;
  {
    std::lock_guard<std::mutex> lk(clipMu_);
    owns = ownsClipboard_;
    text = ownedText_;
  }
  if (owns && req.selection == atoms_.clipboard) {
    if (req.target == atoms_.targets) {
      Atom targets[] = {atoms_.targets, atoms_.utf8String, XA_STRING};
      XChangeProperty(display_, req.requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(targets), 3);
      reply.xselection.property = property;
    } else if (req.target == atoms_.utf8String || req.target == XA_STRING) {
      XChangeProperty(display_, req.requestor, property, req.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
      reply.xselection.property = property;
    }
  }
  XSendEvent(display_, req.requestor, False, NoEventMask, &reply);
  XFlush(display_);
}

}  // namespace win32::x11
