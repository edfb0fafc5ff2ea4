// Every text of every window reads at 4.5 : 1 or better (WCAG AA) under the
// default light palette and under a dark one: the text's colour against the
// background actually drawn behind it.
#include "tests/app/every_window.h"
#include "ui/status_label.h"
#include "ui/text_contrast.h"

#include <iostream>

namespace {

// Fusion with dark window and base colours, as a dark desktop theme sets.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230), dimmed(128, 128, 128);
    // clang-format off
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window}, {QPalette::WindowText, text},
             {QPalette::Base, base}, {QPalette::AlternateBase, window}, {QPalette::Text, text},
             {QPalette::Button, QColor(60, 60, 64)}, {QPalette::ButtonText, text}, {QPalette::ToolTipBase, window},
             {QPalette::ToolTipText, text}, {QPalette::Highlight, QColor(42, 110, 190)},
             {QPalette::HighlightedText, text}, {QPalette::PlaceholderText, dimmed}})
        // clang-format on
        dark.setColor(role, colour);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dimmed);
    return dark;
}

// The colour most of the area is painted in: the background behind the text.
QColor dominant(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor(most.key());
}

// A control's own text and the role of the palette its style draws it in.
std::pair<QString, QPalette::ColorRole> textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return {label->text(), label->foregroundRole()};
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return {box->text(), QPalette::Text};
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return {button->text(), qobject_cast<const QPushButton*>(control)
                                    ? QPalette::ButtonText
                                    : button->foregroundRole()};
    return {};
}

// The lowest ratio found, and where.
using Lowest = std::pair<double, std::string>;

void measure(QWidget* window, Lowest& lowest) {
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto [text, role] = textOf(control);
        if (text.trimmed().isEmpty() || !control->isVisible() || !control->isEnabled() ||
            control->window() != window)
            continue;
        // Inside the frame a box or a button draws around its text.
        const int inset = qobject_cast<QLabel*>(control) ? 0 : 3;
        const QRect place = QRect(control->mapTo(window, QPoint()), control->size())
                                .adjusted(inset, inset, -inset, -inset);
        const QRect pixels(place.topLeft() * scale, place.size() * scale);
        const QColor background = dominant(image, pixels & image.rect());
        const QColor colour = control->palette().color(QPalette::Active, role);
        const double ratio = contrastRatio(colour, background);
        const std::string where =
            window->objectName().toStdString() + "/" + control->objectName().toStdString() + " " +
            colour.name().toStdString() + " on " + background.name().toStdString();
        EXPECT_GE(ratio, 4.5) << where;
        lowest = std::min(lowest, Lowest{ratio, where});
    }
}

using ContrastTest = WindowTest;

// Windows made under each palette, as at start-up, and then the desktop
// switching back to light while they are open.
TEST_F(ContrastTest, everyTextReadsUnderTheLightAndADarkPalette) {
    const QPalette light = QApplication::palette();
    const std::tuple<const char*, QPalette, bool> rows[] = {
        {"light", light, true}, {"dark", darkPalette(), true}, {"light again", light, false}};
    for (const auto& [name, palette, anew] : rows) {
        SCOPED_TRACE(name);
        QApplication::setPalette(palette);
        QApplication::processEvents();
        if (anew)
            openWindow();
        click("cmdCalculate"); // pages, figures, and every window to open
        Lowest lowest{21, ""};
        forEveryWindow(*this, [&](QWidget* window, int tab) {
            if (tab == 2)
                key(Qt::KeypadModifier | Qt::Key_7); // a number on the display
            measure(window, lowest);
            // The README's picture: KORVANE_DARK_PICTURE=docs/dark-palette.png
            if (tab == 1 && std::string_view(name) == "dark" &&
                qEnvironmentVariableIsSet("KORVANE_DARK_PICTURE"))
                window->grab().save(qEnvironmentVariable("KORVANE_DARK_PICTURE"));
            if (tab == 1) { // the status line of a search under way
                setStatusColour(s()->lblSearch, StatusColour::Working);
                measure(window, lowest);
                setStatusColour(s()->lblSearch, StatusColour::Idle);
            }
        });
        std::cout << "lowest contrast under the " << name << " palette: " << lowest.first << " ("
                  << lowest.second << ")\n";
    }
    QApplication::setPalette(light);
}

} // namespace
