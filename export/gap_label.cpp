// The sentence is drawn in two pieces around a gap that may be wider than its
// blanks: in some fonts a blank is much narrower than a digit.
#include "export/gap_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {
// Room on either side of the widest text, so nothing touches the words.
constexpr int padding = 4;
} // namespace

GapLabel::GapLabel(const QString& sentence, const QString& head, int blanks, QLabel* filler,
                   const QString& widest, QWidget* parent)
    : QLabel(sentence, parent), head_(head), tail_(sentence.mid(head.size() + blanks)),
      blanks_(blanks), filler_(filler), widest_(widest) {
    filler_->setParent(this);
}

int GapLabel::blankWidth() const {
    return fontMetrics().horizontalAdvance(QString(blanks_, u' '));
}

int GapLabel::gapWidth() const {
    return std::max(blankWidth(), filler_->fontMetrics().horizontalAdvance(widest_) + 2 * padding);
}

QSize GapLabel::sizeHint() const {
    return QLabel::sizeHint() + QSize(gapWidth() - blankWidth(), 0);
}

QSize GapLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(gapWidth() - blankWidth(), 0);
}

bool GapLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
        event->type() == QEvent::FontChange)
        placeFiller();
    return handled;
}

void GapLabel::placeFiller() {
    const QRect area = contentsRect();
    const int lineHeight = fontMetrics().height();
    filler_->setGeometry(area.left() + fontMetrics().horizontalAdvance(head_),
                         area.top() + (area.height() - lineHeight) / 2, gapWidth(), lineHeight);
}

void GapLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = contentsRect();
    const Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    style()->drawItemText(&painter, area, align, palette(), isEnabled(), head_, foregroundRole());
    area.setLeft(area.left() + fontMetrics().horizontalAdvance(head_) + gapWidth());
    style()->drawItemText(&painter, area, align, palette(), isEnabled(), tail_, foregroundRole());
}
