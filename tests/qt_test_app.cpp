// Gives a GUI test executable its application object, headless unless the
// caller chose a platform, and settings of its own in a scratch folder, so
// no test reads or writes the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "shell/application.h"

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The skin, whatever the desktop running the tests asks for.
        qunsetenv("GTK_THEME");
        qunsetenv("QT_STYLE_OVERRIDE");
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        // The user's own looks too.
        data_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data_->path().toLocal8Bit());
        static int argc = 1;
        static char name[] = "corvessa-test";
        static char* argv[] = {name, nullptr};
        app_ = new corvessa::CorvessaApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        config_.reset();
        data_.reset();
    }

private:
    QApplication* app_ = nullptr;
    std::unique_ptr<QTemporaryDir> config_, data_;
};

[[maybe_unused]] testing::Environment* const kRegistered = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
