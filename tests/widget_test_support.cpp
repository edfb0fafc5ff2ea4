#include "tests/widget_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

QString caption(const QAbstractButton* button) {
    return button ? button->text() : QString();
}

void record(SeenMessage& seen, const QMessageBox* box) {
    seen.shown = true;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.iconless = box->icon() == QMessageBox::NoIcon;
    seen.okOnly = box->buttons().size() == 1 &&
                  box->standardButtons() == QMessageBox::StandardButtons(QMessageBox::Ok);
    QStringList captions;
    for (const QAbstractButton* button : box->buttons())
        captions << caption(button);
    seen.buttons = captions.join(u' ');
    seen.defaultButton = caption(box->defaultButton());
    seen.escapeButton = caption(box->escapeButton());
}

} // namespace

Response clickButton(QMessageBox::StandardButton button) {
    return [button](QMessageBox* box) {
        if (QAbstractButton* found = box->button(button))
            found->click();
        else
            box->reject();
    };
}

Response pressKey(Qt::Key key) {
    return [key](QMessageBox* box) { QTest::keyClick(box, key); };
}

SeenMessage catchMessage(const std::function<void()>& action, const Response& respond) {
    SeenMessage seen;
    const Response answer = respond ? respond : clickButton(QMessageBox::Ok);
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        record(seen, box);
        answer(box);
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
