#include "ui/qt/ini_settings_store.h"

#include <QFileInfo>

#include "ui/gbk.h"

namespace quorvin::ui::qt {

namespace {

QString groupOf(const std::string& keyPath) {
    QString group = QString::fromStdString(keyPath);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.startsWith(QLatin1Char('/')))
        group.remove(0, 1);
    return group;
}

}  // namespace

IniSettingsStore::IniSettingsStore(const std::filesystem::path& iniFile) {
    namespace fs = std::filesystem;
    std::error_code error;
    // Looked at before QSettings opens it: opening a FIFO would wait for a writer forever.
    const fs::file_type type = fs::status(iniFile, error).type();
    if (type != fs::file_type::regular && type != fs::file_type::not_found) {
        writable_ = false;
        return;
    }
    const QString path = QString::fromStdString(iniFile.string());
    const QFileInfo info(path);
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (info.exists())
        writable_ =
            info.isReadable() && info.isWritable() && settings_->status() == QSettings::NoError;
    else
        writable_ = QFileInfo(info.absolutePath()).isWritable();
}

bool IniSettingsStore::keyExists(const std::string& keyPath) {
    if (!settings_) return false;
    const QString prefix = groupOf(keyPath) + QLatin1Char('/');
    for (const QString& key : settings_->allKeys())
        if (key.startsWith(prefix)) return true;
    return false;
}

// An INI file has no empty groups: a key comes into being with its first value.
bool IniSettingsStore::createKey(const std::string&) {
    return writable_;
}

bool IniSettingsStore::openKey(const std::string& keyPath, bool createIfAbsent) {
    if (!createIfAbsent && !keyExists(keyPath)) return false;
    openKey_ = groupOf(keyPath);
    return true;
}

void IniSettingsStore::closeKey() {
    openKey_.clear();
}

QString IniSettingsStore::valueKey(const std::string& name) const {
    return openKey_.isEmpty() ? QString::fromStdString(name)
                              : openKey_ + QLatin1Char('/') + QString::fromStdString(name);
}

bool IniSettingsStore::valueExists(const std::string& name) {
    return settings_ && settings_->contains(valueKey(name));
}

std::optional<int> IniSettingsStore::readInteger(const std::string& name) {
    if (!settings_) return std::nullopt;
    const QVariant value = settings_->value(valueKey(name));
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!value.isValid() || !ok) return std::nullopt;
    return number;
}

std::optional<std::string> IniSettingsStore::readString(const std::string& name, bool* whole) {
    if (!settings_) return std::nullopt;
    const QVariant value = settings_->value(valueKey(name));
    if (!value.isValid()) return std::nullopt;
    return toGbk(value.toString().toStdString(), whole);
}

bool IniSettingsStore::write(const std::string& name, const QVariant& value) {
    if (!writable_) return false;
    settings_->setValue(valueKey(name), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool IniSettingsStore::writeInteger(const std::string& name, int value) {
    return write(name, value);
}

bool IniSettingsStore::writeString(const std::string& name, const std::string& gbk) {
    return write(name, QString::fromStdString(fromGbk(gbk)));
}

}  // namespace quorvin::ui::qt
