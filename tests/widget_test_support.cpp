#include "tests/widget_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

SeenMessage catchMessage(const std::function<void()>& action) {
    SeenMessage seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.shown = true;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.iconless = box->icon() == QMessageBox::NoIcon;
        seen.okOnly = box->buttons().size() == 1 &&
                      box->standardButtons() == QMessageBox::StandardButtons(QMessageBox::Ok);
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
