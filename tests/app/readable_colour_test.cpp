#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include "app/about_box_dialog.h"
#include "app/hyperlink.h"
#include "app/readable_colour.h"
#include "support/dark_palette.h"
#include "support/recording_shell.h"
#include "support/screenshot.h"

namespace {

// The About box's described colours where they read on the info-tip colour, the palette's where not.
TEST(ReadableColours, AboutBoxKeepsItsColoursWhereTheyReadAndTakesThePalettesOnADarkTheme) {
    const struct {
        const char* theme;
        QPalette palette;
        bool light;
    } themes[] = {{"light", QApplication::style()->standardPalette(), true}, {"dark", darkFusionPalette(), false}};
    const QPalette before = QApplication::palette();
    for (const auto& theme : themes) {
        SCOPED_TRACE(theme.theme);
        QApplication::setPalette(theme.palette);
        RecordingShell shell;
        TAboutBox box(shell);
        saveScreenshot(box, QStringLiteral("about_box_%1").arg(QLatin1String(theme.theme)));
        const QColor background = theme.palette.color(QPalette::ToolTipBase);
        const struct {
            const char* what;
            QColor shown;
            QColor described;
            bool readsOnDark;
        } colours[] = {
            {"program name", box.ProgramName->palette().color(QPalette::WindowText), QColor(0, 0, 128), false},
            {"link at rest", box.Link1->notPressedColor(), QColor(0, 0, 255), false},
            {"link under the pointer", box.Link1->overColor(), QColor(0, 128, 0), false},
            {"pressed link", box.MailLink1->pressedColor(), QColor(255, 0, 0), true},
        };
        for (const auto& colour : colours) {
            EXPECT_GE(contrastRatio(colour.shown, background), 3.0) << colour.what;
            EXPECT_EQ(colour.shown == colour.described, theme.light || colour.readsOnDark) << colour.what;
        }
    }
    QApplication::setPalette(before);
}

}  // namespace
