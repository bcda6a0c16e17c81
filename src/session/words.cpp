#include "session/words.h"

#include <QCoreApplication>
#include <string>

namespace corvessa {

QString Words(const char* context, std::string_view english) {
    const std::string text(english);
    return QCoreApplication::translate(context, text.c_str());
}

QString MessageWords(std::string_view message) { return QString::fromUtf8(message.data(), qsizetype(message.size())); }

}  // namespace corvessa
