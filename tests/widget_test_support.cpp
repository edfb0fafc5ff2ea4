#include "tests/widget_test_support.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

QString Controls::text(const char* name) const {
    const QObject* control = get<QObject>(name);
    for (const char* property : {"plainText", "title", "text"})
        if (control && control->property(property).isValid())
            return control->property(property).toString();
    return QStringLiteral("<no text>");
}

QString Controls::focus() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == root->window() ? focused->objectName()
                                                          : QStringLiteral("none");
}

QString Controls::defaultButton() const {
    QStringList names;
    for (const QPushButton* button : root->findChildren<QPushButton*>())
        if (button->isDefault())
            names << button->objectName();
    return names.join(u' ');
}

void Controls::type(const char* box, const QString& text) const {
    auto* edit = get<QLineEdit>(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Controls::key(QKeyCombination key) const {
    QWidget* focused = QApplication::focusWidget();
    QWidget* target = focused && focused->window() == root->window() ? focused : root;
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

Controls shownWindow(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name) && top->isVisible())
            return {top};
    ADD_FAILURE() << "no window named " << name << " is shown";
    return {};
}

Response clickButton(QMessageBox::StandardButton button) {
    return [button](QMessageBox* box) {
        if (QAbstractButton* found = box->button(button))
            found->click();
        else
            box->reject();
    };
}

SeenMessage catchMessage(const std::function<void()>& action, const Response& respond) {
    SeenMessage seen;
    const Response answer = respond ? respond : clickButton(QMessageBox::Ok);
    const auto caption = [](const QAbstractButton* b) { return b ? b->text() : QString(); };
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QStringList captions;
        for (const QAbstractButton* button : box->buttons())
            captions << caption(button);
        seen = {true,
                box->text(),
                box->windowTitle(),
                box->icon() == QMessageBox::NoIcon,
                captions.join(u' '),
                caption(box->defaultButton()),
                caption(box->escapeButton())};
        answer(box);
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
