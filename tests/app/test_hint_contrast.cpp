// The grey hints under the tables stay readable: at least 4.5:1 against the window (WCAG 2's
// contrast ratio, from the colours the labels are painted with), in a light and a dark palette,
// and still greyer than the window's text.
#include "QuorrelFixture.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& color)
{
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using HintContrast = QuorrelFixture;

TEST_F(HintContrast, TheGreyHintsReachFourAndAHalfToOneInLightAndDarkPalettes)
{
    const QPalette original = QApplication::palette();
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark(QColor(0x3c, 0x3c, 0x3c), QColor(0x26, 0x26, 0x26)); // button, window
    for (const bool isDark : {false, true}) {
        SCOPED_TRACE(isDark ? "dark" : "light");
        const QPalette& palette = isDark ? dark : light;
        QApplication::setPalette(palette);
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        for (const char* name : {"languagesHint", "regionsHint", "applicationsHint"}) {
            SCOPED_TRACE(name);
            const QLabel* hint = window->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_TRUE(hint);
            const QColor text = hint->palette().color(hint->foregroundRole());
            const QColor background = hint->palette().color(QPalette::Window);
            EXPECT_GE(contrast(text, background), 4.5) << text.name().toStdString() << " on " << background.name().toStdString();
            EXPECT_LT(contrast(text, background), contrast(window->palette().color(QPalette::WindowText), background))
                << "still a grey hint";
        }
        delegate.reset();
    }
    QApplication::setPalette(original);
}

} // namespace
