#include "platform/UpDownField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

void UpDownField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        QSpinBox::keyPressEvent(event);
    }
}

void UpDownField::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void UpDownField::focusOutEvent(QFocusEvent* event) {
    const bool invalid = !hasAcceptableInput();
    const QString typed = lineEdit()->text();
    QSpinBox::focusOutEvent(event);
    if (invalid)
        lineEdit()->setText(typed);
}
