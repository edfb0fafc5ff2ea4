// The paste guard: one event filter per guarded box, which sees each way a
// paste or drop arrives before the box acts on it.
#include "ui/paste_guard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <utility>

namespace {

std::function<void()>& refusalSound() {
    static std::function<void()> sound;
    return sound;
}

void refuse() {
    if (refusalSound())
        refusalSound()();
    else
        QApplication::beep();
}

class PasteGuard : public QObject {
  public:
    explicit PasteGuard(QLineEdit* box) : QObject(box), box_(box) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Whether `text` fits whole, put in place of `replaced` characters.
    bool fits(const QString& text, qsizetype replaced) const {
        return box_->text().size() - replaced + text.size() <= box_->maxLength();
    }
    bool pasteKey(const QKeyEvent& key);
    bool middleClick(const QMouseEvent& click);
    bool drop(QDropEvent& drop);
    void contextMenu(const QContextMenuEvent& request);
    void pasteFromMenu();

    QLineEdit* box_;
    bool refusingClick_ = false; // a middle press was refused; so is its release
    // Where the cursor and selection stood when a drag came in: moving over
    // the box moves its cursor, and a refused drop puts them back.
    int dragCursor_ = 0;
    int dragSelectionStart_ = -1;
    qsizetype dragSelectionLength_ = 0;
};

QString clipboardText(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(mode) : QString();
}

// Keyboard pastes replace the selection; on X11 Ctrl+Shift+Insert pastes the
// system's selection rather than the clipboard.
bool PasteGuard::pasteKey(const QKeyEvent& key) {
    if (!key.matches(QKeySequence::Paste) || box_->isReadOnly())
        return false;
    const bool selection =
        key.key() == Qt::Key_Insert && key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    const QString text = clipboardText(selection ? QClipboard::Selection : QClipboard::Clipboard);
    if (fits(text, box_->selectedText().size()))
        return false;
    refuse();
    return true;
}

// A middle click moves the cursor on the press, then drops the box's
// selection and inserts the system's selection there on the release. A
// paste that would not fit is refused from the press, so the cursor stays.
bool PasteGuard::middleClick(const QMouseEvent& click) {
    if (click.button() != Qt::MiddleButton)
        return false;
    if (click.type() == QEvent::MouseButtonRelease) {
        if (!std::exchange(refusingClick_, false))
            return false;
        refuse();
        return true;
    }
    const QClipboard* clipboard = QGuiApplication::clipboard();
    refusingClick_ = !box_->isReadOnly() && clipboard && clipboard->supportsSelection() &&
                     !fits(clipboard->text(QClipboard::Selection), 0);
    return refusingClick_;
}

// A drop inserts at the drop point; only moving text within the box itself
// keeps its length.
bool PasteGuard::drop(QDropEvent& drop) {
    const QString text = drop.mimeData() ? drop.mimeData()->text() : QString();
    const bool withinBox = drop.source() == box_ && drop.dropAction() == Qt::MoveAction;
    if (text.isNull() || box_->isReadOnly() || withinBox || fits(text, 0))
        return false;
    QDragLeaveEvent leave; // takes the drop caret away
    QCoreApplication::sendEvent(box_, &leave);
    if (dragSelectionStart_ >= 0)
        box_->setSelection(dragSelectionStart_, static_cast<int>(dragSelectionLength_));
    else
        box_->setCursorPosition(dragCursor_);
    drop.setDropAction(Qt::IgnoreAction);
    drop.ignore();
    refuse();
    return true;
}

// The box's own menu, whose Paste goes through the same check. Its Paste is
// found by the caption the box gives it, in the user's language, before the
// shortcut that follows a tab.
void PasteGuard::contextMenu(const QContextMenuEvent& request) {
    QMenu* menu = box_->createStandardContextMenu();
    for (QAction* item : menu->actions())
        if (item->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
            disconnect(item, &QAction::triggered, box_, nullptr);
            connect(item, &QAction::triggered, this, &PasteGuard::pasteFromMenu);
        }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(request.globalPos());
}

void PasteGuard::pasteFromMenu() {
    if (fits(clipboardText(QClipboard::Clipboard), box_->selectedText().size()))
        box_->paste();
    else
        refuse();
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return pasteKey(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return middleClick(*static_cast<QMouseEvent*>(event));
    case QEvent::DragEnter:
        dragCursor_ = box_->cursorPosition();
        dragSelectionStart_ = box_->selectionStart();
        dragSelectionLength_ = box_->selectedText().size();
        return false;
    case QEvent::Drop:
        return drop(*static_cast<QDropEvent*>(event));
    case QEvent::ContextMenu:
        contextMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    default:
        return false;
    }
}

} // namespace

void guardPastes(QLineEdit* box) {
    box->installEventFilter(new PasteGuard(box));
}

void setRefusalSound(std::function<void()> sound) {
    refusalSound() = std::move(sound);
}
