// A window's frame is the window manager's and known only once the window is
// shown; until then the frame of a shown window of the program, or the
// style's title bar, stands in for it.
#include "ui/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QMargins frameMargins(const QWidget* window) {
    if (window->isVisible() && window->windowHandle())
        return window->windowHandle()->frameMargins();
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->windowHandle() &&
            other->windowType() == Qt::Window)
            return other->windowHandle()->frameMargins();
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {2, titleBar + 2, 2, 2};
}

QScreen* screenOf(const QWidget* window) {
    if (QScreen* under = QGuiApplication::screenAt(window->geometry().center()))
        return under;
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// Shrinks `window` to the room its screen's area leaves it beside its frame;
// a minimum size above that room is the window's own fault, which the tests
// measure.
QSize fitSize(QWidget* window, QSize size, const QRect& area, const QMargins& frame) {
    window->resize(size.boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize()));
    return window->size().grownBy(frame);
}

// Moves the frame of `outer` size with its top left at `wanted`, or as near as
// keeps it wholly on `area`.
void moveOnto(QWidget* window, QPoint wanted, QSize outer, const QRect& area,
              const QMargins& frame) {
    const int right = std::max(area.left(), area.right() + 1 - outer.width());
    const int bottom = std::max(area.top(), area.bottom() + 1 - outer.height());
    QPoint topLeft(std::clamp(wanted.x(), area.left(), right),
                   std::clamp(wanted.y(), area.top(), bottom));
    // A window that exists but was never framed takes move() as the place of
    // its inside, and the window manager would then put the title bar above
    // it, off the top of the screen: place the inside below the frame to come.
    if (window->testAttribute(Qt::WA_WState_Created) &&
        window->pos() == window->geometry().topLeft())
        topLeft += QPoint(frame.left(), frame.top());
    window->move(topLeft);
}

} // namespace

void fitToScreen(QWidget* window) {
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect area = screenOf(window)->availableGeometry();
    const QMargins frame = frameMargins(window);
    const QSize outer = fitSize(window, window->size(), area, frame);
    // A window no one placed yet opens in the middle of the area: a window
    // manager may place it lower, with its bottom off a screen it just fits.
    const QPoint wanted = window->testAttribute(Qt::WA_Moved)
                              ? window->pos()
                              : area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    moveOnto(window, wanted, outer, area, frame);
}

void centreOver(QWidget* window, const QWidget* anchor) {
    const QWidget* over = anchor->window();
    const QRect area = screenOf(over)->availableGeometry();
    // A window never shown yet opens at the size its layout asks for; text
    // that wraps takes the height it needs at that width, no more.
    QSize wanted = window->size();
    if (!window->testAttribute(Qt::WA_Resized) && !window->isVisible()) {
        wanted = window->sizeHint().expandedTo(window->minimumSizeHint());
        if (window->hasHeightForWidth())
            wanted.setHeight(std::max(window->heightForWidth(wanted.width()),
                                      window->minimumSizeHint().height()));
    }
    const QMargins frame = frameMargins(window);
    const QSize outer = fitSize(window, wanted, area, frame);
    const QPoint centre = over->frameGeometry().center();
    moveOnto(window, centre - QPoint(outer.width() / 2, outer.height() / 2), outer, area, frame);
}
