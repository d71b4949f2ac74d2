#pragma once
// The about box: static texts and a picture, closed by its OK button.
#include <QDialog>

class TAboutBox : public QDialog {
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
