#include "tests/widget_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString caption(const QAbstractButton* button) {
    return button ? button->text() : QString();
}

void record(SeenMessage& seen, const QMessageBox* box) {
    seen.shown = true;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.iconless = box->icon() == QMessageBox::NoIcon;
    QStringList captions;
    for (const QAbstractButton* button : box->buttons())
        captions << caption(button);
    seen.buttons = captions.join(u' ');
    seen.defaultButton = caption(box->defaultButton());
    seen.escapeButton = caption(box->escapeButton());
}

} // namespace

QString Controls::text(const char* name) const {
    const QObject* control = get<QObject>(name);
    for (const char* property : {"plainText", "title", "text"})
        if (control && control->property(property).isValid())
            return control->property(property).toString();
    return QStringLiteral("<no text>");
}

bool Controls::enabled(const char* name) const {
    return get<QObject>(name)->property("enabled").toBool();
}

bool Controls::red(const char* label) const {
    return get<QWidget>(label)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

QString Controls::focus() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == root->window() ? focused->objectName()
                                                          : QStringLiteral("none");
}

bool Controls::focusIs(const char* name) const {
    return QTest::qWaitFor([&] { return focus() == QLatin1String(name); });
}

bool Controls::becomesActive() const {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == root; });
}

QString Controls::defaultButton() const {
    QStringList names;
    for (const QPushButton* button : root->findChildren<QPushButton*>())
        if (button->isDefault())
            names << button->objectName();
    return names.join(u' ');
}

void Controls::click(const char* name) const {
    QTest::mouseClick(get<QWidget>(name), Qt::LeftButton);
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

void Controls::expectTexts(std::initializer_list<std::pair<const char*, const char*>> rows) const {
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(text(name), QString::fromUtf8(expected)) << "the text of " << name;
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
