#include "tests/widget_test_support.h"

Controls shownWindow(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name) && top->isVisible())
            return {top};
    ADD_FAILURE() << "no window named " << name << " is shown";
    return {};
}

QString accessibleName(QWidget* control) {
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

void expectEveryFocusableControlNamed(QWidget* window) {
    QMap<QString, QString> named; // spoken name -> objectName
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // A combo box's list pops up as a window of its own.
        if (control->focusPolicy() == Qt::NoFocus || control->window() != window)
            continue;
        const QString name = accessibleName(control).trimmed();
        const QString who = control->objectName() + " (" + control->metaObject()->className() + ")";
        EXPECT_FALSE(name.isEmpty()) << who << " has no name";
        if (named.contains(name))
            ADD_FAILURE() << who << " and " << named[name] << " are both named " << name;
        named.insert(name, who);
    }
}

Response clickButton(QMessageBox::StandardButton button) {
    return [button](QMessageBox* box) {
        box->button(button) ? box->button(button)->click() : box->reject();
    };
}

SeenMessage catchMessage(const std::function<void()>& action, const Response& respond) {
    SeenMessage seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen = {true, box->text(), box->windowTitle(), box->icon() == QMessageBox::NoIcon, {}, {}};
        for (const QAbstractButton* button : box->buttons())
            seen.buttons += (seen.buttons.isEmpty() ? "" : " ") + button->text();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        (respond ? respond : clickButton(QMessageBox::Ok))(box);
    });
    poll.start(5);
    action();
    poll.stop();
    return seen;
}

void failOnUnansweredMessages(std::chrono::milliseconds patience) {
    static QTimer* watch = nullptr;
    delete watch;
    watch = new QTimer(qApp);
    // Each box shown at the last look, and when it is overdue.
    QObject::connect(
        watch, &QTimer::timeout,
        [patience, open = QHash<QMessageBox*, QDeadlineTimer>()]() mutable {
            QHash<QMessageBox*, QDeadlineTimer> shown;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
                    shown.insert(box, open.value(box, QDeadlineTimer(patience)));
            open = shown;
            for (auto [box, deadline] : shown.asKeyValueRange())
                if (deadline.hasExpired()) {
                    ADD_FAILURE() << "a message box nobody answered was open for "
                                  << patience.count() << " ms: \"" << box->text() << '"';
                    open.remove(box);
                    box->reject();
                }
        });
    watch->start(50);
}
