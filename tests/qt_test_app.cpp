// Gives a GUI test executable its application object, headless unless the
// caller chose a platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/application.h"

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "corvessa-test";
        static char* argv[] = {name, nullptr};
        app_ = new corvessa::CorvessaApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] testing::Environment* const kRegistered = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
