#pragma once
// The application object. An exception that reaches the event loop is
// shown to the user in a message box and the program goes on, with the
// operation stopped where it failed.

#include <QApplication>
#include <functional>
#include <string>

#include "ground/error.h"

namespace corvessa {

class CorvessaApplication : public QApplication {
public:
    CorvessaApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;

    // How an error is shown; a message box unless replaced (tests).
    void SetErrorReporter(std::function<void(const std::string&)> report) { report_ = std::move(report); }

private:
    std::function<void(const std::string&)> report_;
};

}  // namespace corvessa
