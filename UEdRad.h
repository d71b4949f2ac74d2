#pragma once
// The radiant editor window; its grid and fields come with the editing work.
#include <QDialog>

class TFEdRad : public QDialog {
  public:
    explicit TFEdRad(QWidget* parent = nullptr);
};
