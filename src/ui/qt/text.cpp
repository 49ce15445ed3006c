#include "text.h"

#include <algorithm>

#include "ui/gbk.h"

namespace quorvin::ui::qt {

QString toQt(std::string_view gbk) {
    return QString::fromStdString(fromGbk(gbk));
}

std::string toGbkBytes(const QString& text) {
    return toGbk(text.toStdString());
}

DisplayText::DisplayText(std::string_view gbk) {
    for (std::size_t pos = 0; pos < gbk.size();) {
        const std::size_t length = gbkCharLength(gbk, pos);
        const auto byte = static_cast<unsigned char>(gbk[pos]);
        if (length == 1 && byte < 0x80)
            text_ += QChar(byte);
        else
            text_ += toQt(gbk.substr(pos, length));
        pos += length;
        bytes_.push_back(pos);
        units_.push_back(static_cast<int>(text_.size()));
    }
}

int DisplayText::unitAt(std::size_t bytePos) const {
    const auto after = std::upper_bound(bytes_.begin(), bytes_.end(), bytePos);
    return units_[static_cast<std::size_t>(after - bytes_.begin()) - 1];
}

std::size_t DisplayText::byteAt(int unitPos) const {
    const auto after = std::upper_bound(units_.begin(), units_.end(), unitPos);
    return bytes_[static_cast<std::size_t>(after - units_.begin()) - 1];
}

}  // namespace quorvin::ui::qt
