#include "windows/MaskEdit.h"

#include "editor/EditMask.h"

#include <QKeyEvent>

void TMaskEdit::SetEditMask(const std::string& mask) {
    setInputMask(mask.empty() ? QString() : QString::fromStdString(TranslateEditMask(mask)));
}

std::string TMaskEdit::FieldText() const {
    if (inputMask().isEmpty())
        return text().toStdString();
    // displayText() keeps every position; the mask's blank character stands for an unfilled one.
    const QChar blank = inputMask().back();
    QString shown = displayText();
    shown.replace(blank, QLatin1Char(' '));
    return shown.toStdString();
}

bool TMaskEdit::ShowText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (!inputMask().isEmpty())
        shown.replace(QLatin1Char(' '), inputMask().back());
    setText(shown);
    // Blanks at the end are unfilled positions, shown or not.
    const auto endless = [](std::string t) { return t.erase(t.find_last_not_of(' ') + 1); };
    if (text.empty() || endless(FieldText()) == endless(text))
        return true;
    setText(QString());
    return false;
}

void TMaskEdit::focusInEvent(QFocusEvent* event) {
    // Back after an incomplete entry, the text to return to is still the one from before it.
    if (!isModified())
        entryText_ = text();
    QLineEdit::focusInEvent(event);
}

void TMaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!inputMask().isEmpty() && isModified() && !hasAcceptableInput() && OnInvalidInput)
        OnInvalidInput();
}

void TMaskEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !inputMask().isEmpty()) {
        if (isModified())
            setText(entryText_);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
