// The paste guard: one event filter per guarded box, which sees each way a
// paste, drop or input-method commit arrives before the box acts on it.
#include "ui/paste_guard.h"

#include "common/number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <string>
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

// The text a paste puts in: a number copied from a spreadsheet cell or a
// terminal line comes with one line break after it.
QString arriving(const QString& text) {
    const std::string whole = text.toStdString();
    const std::string_view kept = korvane::withoutFinalLineBreak(whole);
    return kept.size() == whole.size() ? text
                                       : QString::fromUtf8(kept.data(), qsizetype(kept.size()));
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
    // Refuses `text` (true) when it would not fit whole in place of
    // `replaced` characters, or puts it in through `insert` without its final
    // line break (true); false leaves it to the box as it came.
    bool take(const QString& text, qsizetype replaced,
              const std::function<void(const QString&)>& insert);
    bool pasteKey(const QKeyEvent& key);
    bool middleClick(const QMouseEvent& click);
    bool drop(QDropEvent& drop);
    bool inputMethod(const QInputMethodEvent& input);
    void dropWithout(QDropEvent& drop, const QString& kept);
    void contextMenu(const QContextMenuEvent& request);
    void pasteFromMenu();

    QLineEdit* box_;
    bool refusingClick_ = false; // a middle press was refused; so is its release
    bool passing_ = false;       // an event of the guard's own, for the box as it is
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
    return take(text, box_->selectedText().size(),
                [this](const QString& kept) { box_->insert(kept); });
}

bool PasteGuard::take(const QString& text, qsizetype replaced,
                      const std::function<void(const QString&)>& insert) {
    const QString kept = arriving(text);
    if (!fits(kept, replaced)) {
        refuse();
        return true;
    }
    if (kept.size() == text.size())
        return false;
    insert(kept);
    return true;
}

// A middle click moves the cursor on the press, then drops the box's
// selection and inserts the system's selection there on the release. A
// paste that would not fit is refused from the press, so the cursor stays.
bool PasteGuard::middleClick(const QMouseEvent& click) {
    if (click.button() != Qt::MiddleButton)
        return false;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const bool pastes = !box_->isReadOnly() && clipboard && clipboard->supportsSelection();
    const QString text = pastes ? clipboard->text(QClipboard::Selection) : QString();
    if (click.type() == QEvent::MouseButtonRelease) {
        if (std::exchange(refusingClick_, false)) {
            refuse();
            return true;
        }
        // As the box would, less the final line break.
        return pastes && box_->rect().contains(click.position().toPoint()) &&
               take(text, 0, [this](const QString& kept) {
                   box_->deselect();
                   box_->insert(kept);
               });
    }
    refusingClick_ = pastes && !fits(arriving(text), 0);
    return refusingClick_;
}

// A drop inserts at the drop point; only moving text within the box itself
// keeps its length.
bool PasteGuard::drop(QDropEvent& drop) {
    const QString text = drop.mimeData() ? drop.mimeData()->text() : QString();
    const bool withinBox = drop.source() == box_ && drop.dropAction() == Qt::MoveAction;
    if (text.isNull() || box_->isReadOnly() || withinBox)
        return false;
    const QString kept = arriving(text);
    if (fits(kept, 0)) {
        if (kept.size() == text.size())
            return false;
        dropWithout(drop, kept);
        return true;
    }
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

// The box takes the drop of the text without its line break in place of the
// one that came, and the drag's source learns what the box did with it.
void PasteGuard::dropWithout(QDropEvent& drop, const QString& kept) {
    QMimeData data;
    data.setText(kept);
    QDropEvent instead(drop.position(), drop.possibleActions(), &data, drop.buttons(),
                       drop.modifiers());
    instead.setDropAction(drop.dropAction());
    passing_ = true;
    QCoreApplication::sendEvent(box_, &instead);
    passing_ = false;
    drop.setDropAction(instead.dropAction());
    drop.setAccepted(instead.isAccepted());
}

// An input method commits a whole word or number at once, in place of the
// selection and of the text it says it replaces; what it was still composing
// goes with a refused commit.
bool PasteGuard::inputMethod(const QInputMethodEvent& input) {
    if (input.commitString().isEmpty() || box_->isReadOnly())
        return false;
    const qsizetype selected = box_->selectedText().size();
    const qsizetype replaced = selected + std::clamp<qsizetype>(input.replacementLength(), 0,
                                                                box_->text().size() - selected);
    if (fits(input.commitString(), replaced))
        return false;
    QInputMethodEvent nothing;
    passing_ = true;
    QCoreApplication::sendEvent(box_, &nothing);
    passing_ = false;
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
    const QString text = clipboardText(QClipboard::Clipboard);
    if (!take(text, box_->selectedText().size(),
              [this](const QString& kept) { box_->insert(kept); }))
        box_->paste();
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || passing_)
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
    case QEvent::InputMethod:
        return inputMethod(*static_cast<QInputMethodEvent*>(event));
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
