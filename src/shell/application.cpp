#include "shell/application.h"

#include <QMessageBox>
#include <exception>
#include <new>

#include "ground/error.h"
#include "session/words.h"

namespace corvessa {

bool CorvessaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::string text = CurrentErrorText();
        if (report_)
            report_(text);
        else
            QMessageBox::critical(activeWindow(), QStringLiteral("Corvessa"), MessageWords(text));
        return false;
    }
}

}  // namespace corvessa
