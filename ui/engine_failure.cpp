// Catching engine failures at the window.
#include "ui/engine_failure.h"

#include "ui/message_box.h"

#include <exception>
#include <new>
#include <system_error>

namespace {

// Words for the failure in flight, without a closing full stop.
QString failureReason(const std::exception_ptr& failure) {
    QString reason;
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("not enough memory");
    } catch (const std::system_error& e) {
        reason = QString::fromStdString(e.code().message());
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    } catch (...) {
        reason = QStringLiteral("an unknown error");
    }
    // The message adds its own full stop.
    while (reason.endsWith(u'.') || reason.endsWith(u' '))
        reason.chop(1);
    return reason.isEmpty() ? QStringLiteral("an unknown error") : reason;
}

} // namespace

bool succeeds(QWidget* parent, const QString& sentence, const std::function<void()>& work,
              const std::function<void()>& putBack) {
    try {
        work();
        return true;
    } catch (...) {
        const QString reason = failureReason(std::current_exception());
        if (putBack)
            putBack();
        showMessage(parent, sentence.arg(reason));
        return false;
    }
}

bool completes(QWidget* parent, const QString& what, const std::function<void()>& work) {
    return succeeds(
        parent,
        QStringLiteral("The %1 could not be completed: %2.").arg(what, QStringLiteral("%1")), work);
}

void showFailure(QWidget* parent, const QString& sentence, const std::exception_ptr& failure) {
    showMessage(parent, sentence.arg(failureReason(failure)));
}
