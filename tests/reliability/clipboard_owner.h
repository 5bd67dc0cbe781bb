// Another client that owns the CLIPBOARD selection and hands out whatever
// bytes a test puts there, as UTF-8 text, to whoever pastes.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <string>

#include "x11_test_support.h"

namespace ondrave::testing {

class ClipboardOwner {
 public:
  explicit ClipboardOwner(const std::string& displayName);
  ~ClipboardOwner();
  ClipboardOwner(const ClipboardOwner&) = delete;
  ClipboardOwner& operator=(const ClipboardOwner&) = delete;

  // Takes the selection (again) with these bytes as its content; they are
  // served as they stand, whether or not they are well-formed UTF-8.
  void Offer(std::string bytes);

  // Answers requests for the selection until one has received the bytes
  // and the requestor has had `settle` to take them in, or `timeout` has
  // passed; true when the bytes were handed out.
  bool ServeUntilPasted(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000),
                        std::chrono::milliseconds settle = std::chrono::milliseconds(150));

 private:
  // Answers one request; true when it handed out the bytes themselves.
  bool Answer(const XSelectionRequestEvent& request);

  DisplayConnection connection_;
  Window window_ = None;
  Atom clipboard_, targets_, utf8String_, text_;
  std::string bytes_;
};

}  // namespace ondrave::testing
