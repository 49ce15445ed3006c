#pragma once

#include <QSettings>
#include <filesystem>
#include <memory>

#include "ui/settings_store.h"

namespace quorvin::ui::qt {

// The settings in an INI file, through QSettings. A key path becomes a group of the file
// ("\Software\Ornvale\Quorvin" -> Software/Ornvale/Quorvin) and strings are stored as UTF-8, so
// the file stays readable text. Every write is flushed at once. A file that exists but cannot
// be read is never written, so whatever it holds is not replaced by defaults; anything but a
// regular file in its place (a folder, a FIFO, a device) is never opened at all.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(const std::filesystem::path& iniFile);

    bool keyExists(const std::string& keyPath) override;
    bool createKey(const std::string& keyPath) override;
    bool openKey(const std::string& keyPath, bool createIfAbsent) override;
    void closeKey() override;

    bool valueExists(const std::string& name) override;
    std::optional<int> readInteger(const std::string& name) override;
    bool writeInteger(const std::string& name, int value) override;
    std::optional<std::string> readString(const std::string& name, bool* whole = nullptr) override;
    bool writeString(const std::string& name, const std::string& gbk) override;

    bool writable() const override { return writable_; }

  private:
    QString valueKey(const std::string& name) const;
    bool write(const std::string& name, const QVariant& value);

    // None when the file's place holds something else: the store is then empty and read-only.
    std::unique_ptr<QSettings> settings_;
    QString openKey_;
    bool writable_ = true;
};

}  // namespace quorvin::ui::qt
