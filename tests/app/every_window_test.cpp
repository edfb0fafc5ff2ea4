// Every window, walked as a user finds them: each text reads at 4.5 : 1 or
// better (WCAG AA) under the default light palette and a dark one, each
// control a screen reader reaches has a name, and Alt and a letter does one
// thing in a window or a menu.
#include "tests/app/every_window.h"
#include "ui/status_label.h"
#include "ui/text_contrast.h"

namespace {

// The colour most of the area is painted in: the background behind the text.
QColor dominant(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor(most.key());
}

// A control's own caption or text, and the role of the palette its style
// draws it in.
std::pair<QString, QPalette::ColorRole> textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return {label->text(), label->foregroundRole()};
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return {box->text(), QPalette::Text};
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return {group->title(), QPalette::WindowText};
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return {button->text(), qobject_cast<const QPushButton*>(control)
                                    ? QPalette::ButtonText
                                    : button->foregroundRole()};
    return {};
}

void measure(QWidget* window) {
    const QImage image = window->grab().toImage();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto [text, role] = textOf(control);
        if (text.trimmed().isEmpty() || !control->isVisible() || !control->isEnabled() ||
            control->window() != window)
            continue;
        // Inside the frame a box or a button draws around its text.
        const int inset = qobject_cast<QLabel*>(control) ? 0 : 3;
        const QRect place = QRect(control->mapTo(window, QPoint()), control->size())
                                .adjusted(inset, inset, -inset, -inset);
        const QColor background = dominant(image, place & image.rect());
        const QColor colour = control->palette().color(QPalette::Active, role);
        EXPECT_GE(contrastRatio(colour, background), 4.5)
            << window->objectName() << "/" << control->objectName() << " " << colour.name()
            << " on " << background.name();
    }
}

// No two captions of the window (its menu bar titles and controls together),
// nor two items of any of its menus, share an access letter.
void expectOwnAccessLetters(QWidget* window) {
    const auto expectOwn = [](const QStringList& captions, const QString& where) {
        QMap<QString, QString> taken; // letter -> caption
        for (const QString& caption : captions) {
            const QString letter = QKeySequence::mnemonic(caption).toString();
            EXPECT_TRUE(letter.isEmpty() || !taken.contains(letter))
                << where << ": " << caption << " and " << taken[letter] << " share " << letter;
            taken.insert(letter, caption);
        }
    };
    QStringList captions;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (const QAction* title : main->menuBar()->actions())
            captions << title->text();
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        // A label's letter works only when it has a control to give the focus to.
        const auto* label = qobject_cast<const QLabel*>(control);
        if (control->window() == window && (!label || label->buddy()))
            captions << textOf(control).first;
    }
    expectOwn(captions, window->objectName());
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList items;
        for (const QAction* item : menu->actions())
            items << item->text();
        expectOwn(items, menu->objectName());
    }
}

using EveryWindowTest = WindowTest;

// Windows made under each palette, as at start-up, and then the desktop
// switching back to light while they are open. Names and letters do not
// change with the palette: they are checked under the first.
TEST_F(EveryWindowTest, readsUnderLightAndDarkPalettesIsNamedForAScreenReaderAndHasItsOwnLetters) {
    const QPalette light = QApplication::palette();
    // Dark windows and buttons, as a dark desktop theme sets; Qt derives the
    // rest, white text on a black base among them.
    const QPalette dark(QColor(60, 60, 64), QColor(45, 45, 48));
    const std::tuple<const char*, QPalette, bool> rows[] = {
        {"light", light, true}, {"dark", dark, true}, {"light again", light, false}};
    for (const auto& [name, palette, anew] : rows) {
        SCOPED_TRACE(name);
        QApplication::setPalette(palette);
        QApplication::processEvents();
        if (anew)
            openWindow();
        click("cmdCalculate"); // pages, figures, and every window to open
        forEveryWindow(*this, [&](QWidget* window, int tab) {
            if (tab == 2)
                key(Qt::KeypadModifier | Qt::Key_7); // a number on the display
            measure(window);
            if (tab > 1) // every tab's controls are children of the main window
                return;
            if (std::string_view(name) == "light") {
                expectEveryFocusableControlNamed(window);
                expectOwnAccessLetters(window);
            }
            if (tab == 0)
                return;
            // The README's picture: KORVANE_DARK_PICTURE=docs/dark-palette.png
            if (std::string_view(name) == "dark" &&
                qEnvironmentVariableIsSet("KORVANE_DARK_PICTURE"))
                window->grab().save(qEnvironmentVariable("KORVANE_DARK_PICTURE"));
            setStatusColour(s()->lblSearch, StatusColour::Working); // a search under way
            measure(window);
            setStatusColour(s()->lblSearch, StatusColour::Idle);
        });
    }
    QApplication::setPalette(light);
}

} // namespace
