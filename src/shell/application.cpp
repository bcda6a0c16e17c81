#include "shell/application.h"

#include <QMessageBox>
#include <exception>
#include <new>

#include "ground/error.h"

namespace corvessa {

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
