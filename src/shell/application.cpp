#include "shell/application.h"

#include <QMessageBox>
#include <exception>
#include <new>

#include "ground/error.h"

namespace corvessa {

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return NotEnoughMemory().what();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

bool CorvessaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::string text = CurrentErrorText();
        if (report_)
            report_(text);
        else
            QMessageBox::critical(activeWindow(), QStringLiteral("Corvessa"), QString::fromStdString(text));
        return false;
    }
}

}  // namespace corvessa
