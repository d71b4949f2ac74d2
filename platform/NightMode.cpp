#include "platform/NightMode.h"

#include "platform/NightInks.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleOptionViewItem>
#include <QToolTip>
#include <QWidget>

namespace {

const QString kOwner = QStringLiteral("Velumbra");
const QString kKey = QStringLiteral("ver/nocturno");
// Where a widget with a palette of its own keeps its day palette through the night.
constexpr const char* kDayPalette = "velumbraDayPalette";

QPixmap nightPixmap(const QPixmap& day) {
    QImage image = day.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = NightRgb(row[x]);
    }
    QPixmap night = QPixmap::fromImage(image);
    night.setDevicePixelRatio(day.devicePixelRatio());
    return night;
}

// The desktop's style with every picture a widget shows (button icons, message box icons,
// their disabled forms) in the night's reds.
class NightStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment,
                        const QPixmap& pixmap) const override {
        QProxyStyle::drawItemPixmap(painter, rect, alignment, nightPixmap(pixmap));
    }
    // Disabled icons drawn straight by their button (a dialog's push buttons).
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* option) const override {
        return nightPixmap(QProxyStyle::generatedIconPixmap(mode, pixmap, option));
    }
    // Item views (the file dialog's folders and files) paint their icons themselves.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
        if (element != CE_ItemViewItem || !item || item->icon.isNull()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionViewItem night = *item;
        night.icon = QIcon(nightPixmap(item->icon.pixmap(item->decorationSize)));
        QProxyStyle::drawControl(element, &night, painter, widget);
    }
    QPalette standardPalette() const override { return NightPalette(); }
};

} // namespace

bool RememberedNightMode() {
    return QSettings(kOwner, kOwner).value(kKey, false).toBool();
}

bool NightModeShown() {
    return dynamic_cast<const NightStyle*>(QApplication::style()) != nullptr;
}

void RememberNightMode(bool night) {
    QSettings(kOwner, kOwner).setValue(kKey, night);
}

void ShowNightMode(bool night, QWidget& window) {
    const auto* shown = dynamic_cast<const NightStyle*>(QApplication::style());
    if (night && !shown)
        QApplication::setStyle(new NightStyle(QApplication::style()->name()));
    if (!night && shown)
        QApplication::setStyle(shown->baseStyle()->name());
    // An empty palette takes every colour from the style again.
    const QPalette palette = night ? NightPalette() : QPalette();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QVariant day = w->property(kDayPalette);
        if (night && !day.isValid() && w->testAttribute(Qt::WA_SetPalette)) {
            w->setProperty(kDayPalette, QVariant::fromValue(w->palette()));
            w->setPalette(NightPalette());
        } else if (!night && day.isValid()) {
            w->setPalette(day.value<QPalette>());
            w->setProperty(kDayPalette, QVariant());
        }
    }
}
