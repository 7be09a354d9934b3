#pragma once

#include <QApplication>
#include <QPalette>

// A dark theme as desktops give the Fusion style: light text on dark grey, dark info tips.
inline QPalette darkFusionPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    const struct {
        QPalette::ColorRole role;
        QColor colour;
    } roles[] = {
        {QPalette::Window, window},
        {QPalette::WindowText, text},
        {QPalette::Base, base},
        {QPalette::AlternateBase, window},
        {QPalette::Text, text},
        {QPalette::Button, window},
        {QPalette::ButtonText, text},
        {QPalette::BrightText, QColor(0xff, 0x6e, 0x6e)},
        {QPalette::ToolTipBase, base},
        {QPalette::ToolTipText, text},
        {QPalette::Link, QColor(0x5c, 0xa8, 0xf0)},
        {QPalette::LinkVisited, QColor(0x8f, 0xd0, 0x8f)},
        {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
        {QPalette::HighlightedText, Qt::black},
        {QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a)},
    };
    for (const auto& [role, colour] : roles) dark.setColor(role, colour);
    return dark;
}

// For looking at the windows on a dark theme: SKERRY_DARK_PALETTE=1 with SKERRY_SCREENSHOT_DIR
// runs the window tests under the dark palette (tests that check fixed colours then differ).
inline void applyDarkPaletteWhenAsked() {
    if (qEnvironmentVariableIsSet("SKERRY_DARK_PALETTE")) QApplication::setPalette(darkFusionPalette());
}
