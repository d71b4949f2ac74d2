#pragma once
// TMaskEdit: a line edit with an edit mask in the classic mask language. Its text keeps the
// mask's literals and shows an unfilled position as a blank; Escape brings back the text the
// field had when the focus came in; leaving it edited but incomplete is reported.
#include <QLineEdit>

#include <functional>

class TMaskEdit : public QLineEdit {
  public:
    explicit TMaskEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // An empty mask takes the mask away.
    void SetEditMask(const std::string& mask);
    // The text with its literals, an unfilled position read as a blank.
    std::string FieldText() const;
    // Shows a text as FieldText gives it, a blank as an unfilled position. A text the mask
    // cannot show as it is (too wide, or a character its position refuses) is not cut: the
    // field is left empty and the answer is false.
    bool ShowText(const std::string& text);
    // Fired when the focus leaves a field the user changed and left incomplete.
    std::function<void()> OnInvalidInput;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString entryText_;
};
