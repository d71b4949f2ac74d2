#include "platform/NightInks.h"

#include <cstdint>

namespace {

int nightRed(int r, int g, int b) {
    const int luma = (299 * r + 587 * g + 114 * b + 500) / 1000;
    return ((255 - luma) * kNightRed + 127) / 255;
}

QColor red(int weight) {
    return QColor(weight * kNightRed / 255, 0, 0);
}

} // namespace

Color NightInk(Color c) {
    return Color{static_cast<std::uint8_t>(nightRed(c.r, c.g, c.b)), 0, 0};
}

QRgb NightRgb(QRgb c) {
    return qRgba(nightRed(qRed(c), qGreen(c), qBlue(c)), 0, 0, qAlpha(c));
}

QPalette NightPalette() {
    // Weights of red as for inks: 255 is the red of black ink, 0 black.
    const QColor text = red(255);
    const QColor dim = red(110);
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const std::pair<QPalette::ColorRole, QColor> roles[] = {
            {QPalette::Window, Qt::black},
            {QPalette::WindowText, off ? dim : text},
            {QPalette::Base, Qt::black},
            {QPalette::AlternateBase, red(25)},
            {QPalette::Text, off ? dim : text},
            {QPalette::PlaceholderText, dim},
            {QPalette::Button, red(35)},
            {QPalette::ButtonText, off ? dim : text},
            {QPalette::BrightText, text},
            {QPalette::Light, red(90)},
            {QPalette::Midlight, red(60)},
            {QPalette::Mid, red(45)},
            {QPalette::Dark, red(20)},
            {QPalette::Shadow, Qt::black},
            {QPalette::Highlight, red(120)},
            {QPalette::HighlightedText, Qt::black},
            {QPalette::ToolTipBase, Qt::black},
            {QPalette::ToolTipText, text},
            {QPalette::Link, text},
            {QPalette::LinkVisited, dim},
        };
        for (const auto& [role, colour] : roles)
            p.setColor(group, role, colour);
    }
    return p;
}
