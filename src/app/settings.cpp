#include "app/settings.h"

#include "ui/gbk.h"

namespace quorvin::app {

namespace {

// An integer that is absent, unreadable or one the value cannot take gets its default.
void readInteger(
    ui::SettingsStore& store, const char* name, std::int32_t& value,
    bool (*acceptable)(int) = [](int) { return true; }) {
    if (store.valueExists(name)) {
        if (auto stored = store.readInteger(name); stored && acceptable(*stored)) {
            value = *stored;
            return;
        }
    }
    store.writeInteger(name, value);
}

// A switch is 0 (off) or 1 (on); any other number would show one state in its check box and
// act on another.
void readSwitch(ui::SettingsStore& store, const char* name, std::int32_t& value) {
    readInteger(store, name, value, [](int stored) { return stored == 0 || stored == 1; });
}

// A text GBK cannot hold whole is kept with its stand-ins: the rest of it (the other user
// names of the list) must not give way to the default.
void readString(ui::SettingsStore& store, const char* name, std::string& value, bool& whole) {
    if (store.valueExists(name)) {
        bool representable = true;
        if (auto stored = store.readString(name, &representable)) {
            value = *stored;
            whole = whole && representable;
            return;
        }
    }
    store.writeString(name, value);
}

}  // namespace

bool readSettings(ui::SettingsStore& store, model::Settings& settings) {
    if (!store.keyExists(model::SettingsKeyPath)) store.createKey(model::SettingsKeyPath);
    store.openKey(model::SettingsKeyPath, true);
    readSwitch(store, "PlayMp3", settings.PlayMp3);
    readSwitch(store, "PlayWav", settings.PlayWav);
    readSwitch(store, "PlayPYWav", settings.PlayPYWav);
    readInteger(store, "Interval", settings.Interval);
    readSwitch(store, "PYOldTip", settings.PYOldTip);
    bool whole = true;
    readString(store, "Users", settings.UsersText, whole);
    readString(store, "CurrentUser", settings.CurrentUser, whole);
    return whole;
}

void showHitDisplayTime(model::TForm1& form) {
    const int position = form.TrackBar1.position();
    form.TrackBar1.setSelection(form.TrackBar1.min(), position);
    form.Label9.setCaption(std::to_string(position * 100) + ui::toGbk("毫秒"));
    for (ui::Timer* t : {&form.Timer3, &form.Timer4, &form.Timer5, &form.Timer6})
        t->setInterval(position * 100);
}

void applySettings(model::TForm1& form, const model::Settings& settings) {
    form.TrackBar1.setPosition(settings.Interval);
    showHitDisplayTime(form);
    form.CheckBox1.setChecked(settings.PlayMp3 == 0);
    form.CheckBox2.setChecked(settings.PlayWav == 0);
    form.CheckBox3.setChecked(settings.PlayPYWav == 0);
    form.CheckBox4.setChecked(settings.PYOldTip == 0);
}

void storeSwitch(ui::SettingsStore& store, const char* name, const ui::CheckBox& box,
                 std::int32_t& value) {
    store.openKey(model::SettingsKeyPath, true);
    value = box.checked() ? 0 : 1;
    store.writeInteger(name, value);
}

void writeShutdownSettings(ui::SettingsStore& store, const model::TForm1& form,
                           const model::Settings& settings) {
    if (!store.keyExists(model::SettingsKeyPath)) store.createKey(model::SettingsKeyPath);
    store.openKey(model::SettingsKeyPath, true);
    store.writeInteger("Interval", form.TrackBar1.position());
    store.writeString("Users", settings.UsersText);
    store.writeString("CurrentUser", settings.CurrentUser);
    store.closeKey();
}

}  // namespace quorvin::app
