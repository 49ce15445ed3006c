#pragma once

#include <optional>
#include <string>

namespace quorvin::ui {

// A persistent store of named values under keys, shaped like the registry the program was
// designed for: one key path ("\Software\Ornvale\Quorvin") holding integer and string values.
// Strings are GBK. Every write reaches the storage before the call returns, so a run that
// never shuts down keeps what it wrote; writes report whether they succeeded.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual bool keyExists(const std::string& keyPath) = 0;
    virtual bool createKey(const std::string& keyPath) = 0;
    // Opens a key for the value operations below; creates it first when asked to.
    virtual bool openKey(const std::string& keyPath, bool createIfAbsent) = 0;
    virtual void closeKey() = 0;

    virtual bool valueExists(const std::string& name) = 0;
    virtual std::optional<int> readInteger(const std::string& name) = 0;
    virtual bool writeInteger(const std::string& name, int value) = 0;
    // A text as GBK; characters GBK cannot hold come back as '?' and turn *whole false.
    virtual std::optional<std::string> readString(const std::string& name,
                                                  bool* whole = nullptr) = 0;
    virtual bool writeString(const std::string& name, const std::string& gbk) = 0;
    // Whether writes can reach the storage at all (false for a store in a place that is no
    // file of ours, or that cannot be written).
    virtual bool writable() const = 0;
};

}  // namespace quorvin::ui
