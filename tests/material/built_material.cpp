#include "built_material.h"

#include <cstdint>
#include <stdexcept>

#include "data/data_cipher.h"
#include "ui/gbk.h"

namespace quorvin::material {

BuiltMaterial::BuiltMaterial() : tables_(std::make_unique<data::PracticeTables>()) {
    for (const std::string& file : kTableFiles) {
        folder_.copyFromBuild({file.c_str()});
        const std::string bytes = folder_.read(file);
        if (file == "wb1.dat" || file == "wb2.dat") {
            plaintext_[file] = bytes;
            continue;
        }
        const auto plain = data::decipher(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        plaintext_[file] = std::string(plain.begin(), plain.end());
    }
    status_ = tables_->load(folder_.path());
}

std::vector<std::string_view> crlfLines(std::string_view text, std::string_view& tail) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    tail = text;
    return lines;
}

GbkCheck::GbkCheck() : converter_(iconv_open("UTF-8", "GBK")) {
    if (converter_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
}

GbkCheck::~GbkCheck() {
    iconv_close(converter_);
}

bool GbkCheck::operator()(std::string_view text) const {
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    std::string in(text);
    std::string out(in.size() * 2 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t fromLeft = in.size();
    std::size_t toLeft = out.size();
    return iconv(converter_, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1) &&
           fromLeft == 0;
}

std::vector<std::string> gbkCharacters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = ui::gbkCharLength(text, at);
        characters.emplace_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

std::string utf8(std::string_view gbk) {
    return ui::fromGbk(gbk);
}

}  // namespace quorvin::material
