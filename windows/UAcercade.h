#pragma once
// The about box: static texts and a picture, closed by its OK button.
#include <QDialog>

#include <string>

class TAboutBox : public QDialog {
  public:
    // The picture is the society's logo of the data folder, as on the printed pages.
    explicit TAboutBox(const std::string& dataDir, QWidget* parent = nullptr);
};
