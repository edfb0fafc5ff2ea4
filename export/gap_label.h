// A one-line sentence with a run of blanks that another label fills, such as
// "between 1 and ____, you can copy...": the gap is drawn at least as wide as
// the widest text it must hold, whatever the font.
#pragma once

#include <QLabel>

class GapLabel : public QLabel {
  public:
    // `sentence` starts with `head`, then `blanks` blanks form the gap. The
    // `filler` label becomes a child placed over the gap, wide enough for
    // `widest`.
    GapLabel(const QString& sentence, const QString& head, int blanks, QLabel* filler,
             const QString& widest, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int blankWidth() const;
    int gapWidth() const;
    void placeFiller();

    QString head_;
    QString tail_;
    int blanks_;
    QLabel* filler_;
    QString widest_;
};
