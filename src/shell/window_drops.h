#pragma once
// What is dropped on the main window: .cube files become looks of the
// user's own (the rest of the drop is passed over), else one photo file is
// opened. Anything else is refused as it is dragged in.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace corvessa {

class TWindowDrops : public QObject {
    Q_OBJECT
public:
    // Takes the drops of `window`, whose child it is.
    TWindowDrops(QWidget& window, std::function<void(const std::vector<std::string>&)> addLooks,
                 std::function<void(const std::string&)> openPhoto);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const std::vector<std::string>&)> addLooks_;
    std::function<void(const std::string&)> openPhoto_;
};

}  // namespace corvessa
