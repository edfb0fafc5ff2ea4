// The width a line edit needs, worked back from how it lays out its text.
#include "ui/box_width.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

int widthShowing(const QLineEdit* box, const QString& text) {
    // The style's frame around the text area, measured on a wide probe, since
    // styles add to both sides alike but not always as one margin.
    constexpr int probe = 1000;
    QStyleOptionFrame panel;
    panel.initFrom(box);
    panel.rect = QRect(0, 0, probe, box->sizeHint().height());
    panel.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box) : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    panel.features = QStyleOptionFrame::None;
    const int frame =
        probe - box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box).width();
    // The box keeps two pixels each side of its text and one for the cursor after it.
    constexpr int lineMargins = 2 * 2 + 1;
    const QMargins outside = box->contentsMargins();
    const QMargins inside = box->textMargins();
    return box->fontMetrics().horizontalAdvance(text) + lineMargins + frame + outside.left() +
           outside.right() + inside.left() + inside.right();
}
