#pragma once
// A number field with an up-down control, stepped only by its own arrows: the arrow keys and
// the mouse wheel, easily touched by mistake while the pointer rests on it, leave it alone.
// Text that is no valid number stays as typed when the focus leaves, for the window to refuse
// it, instead of silently turning back into the previous value.
#include <QSpinBox>

class UpDownField : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
