#include "shell/application.h"

#include <QMessageBox>
#include <exception>
#include <new>

namespace corvessa {

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Out of memory";
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
