// While a modal loop of the window system runs, its messages pass the class
// library's PreTranslateMessage chain first (the loop calls the message
// filter hook). One guard per modal loop; nested loops share the hook.
#pragma once

namespace afx {

class ModalFilter {
 public:
  ModalFilter();
  ~ModalFilter();
  ModalFilter(const ModalFilter&) = delete;
  ModalFilter& operator=(const ModalFilter&) = delete;
};

}  // namespace afx
