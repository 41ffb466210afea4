// CCellBitmapButton: a button child of a cell control drawn as its bitmap
// alone, the picture being the whole button face; a second picture, when
// given, shows the pressed look.
#pragma once

#include <gxall.h>

class CCellBitmapButton : public CGXButton {
 public:
  CCellBitmapButton(CGXControl* pComposite, UINT nIDBitmap, UINT nIDPressed = 0);

  void Draw(CDC* pDC, BOOL bActive) override;

 private:
  UINT m_nIDPressed;
};
