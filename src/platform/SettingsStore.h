#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace dorvale::platform {

// One font as the settings keep it.
struct FontSetting {
    QString name;     // empty: the control keeps its face
    qint32 color = 0; // 0x00BBGGRR
    qint32 size = 10; // points
    bool bold = false;
    bool italic = false;
};

// The twenty values of the store, each with its default.
struct Settings {
    FontSetting question;
    FontSetting answers;
    FontSetting explanation{{}, 0x800000, 10, false, false}; // navy
    bool showLearnBtn = false;
    bool showCalcBtn = true;
    bool timerOn = true;
    qint32 defaultTime = 90; // minutes
    QString calcPath;        // the default depends on the machine: given to read()
};

// The per-user settings: key "Dorvale 4.0", subkey "Options", every value a text (numbers in
// signed decimal, flags "1" and "0"). On Windows the key lies directly under the current user's
// hive of the registry; elsewhere it is an INI file of that name in the user's configuration
// folder, with the subkey as its group.
class SettingsStore {
public:
    static const QString kKey;
    static const QString kSubkey;

    SettingsStore();

    // Every value that is missing, of another type than text, or (for a number or flag) not a
    // decimal integer, empty included, gives its default; a text value is taken as it stands.
    // A store that cannot be read gives all defaults.
    // A number is kept as it stands, whatever its range.
    Settings read(const QString& defaultCalcPath) const;

    // Writes the twenty values one by one, so the values before a failure stay written.
    // Throws Error("Failed to create key Options") when the subkey cannot be made, or
    // Error("Failed to set data for 'NAME'") when a value cannot be stored.
    void write(const Settings& settings) const;

    // The registry path or the file the store reads and writes.
    const QString& location() const { return location_; }
    // Where the user's store is: honours QStandardPaths' test mode.
    static QString userLocation();

    // Tests: every store opened from now on uses this INI file; empty goes back to the user's.
    static void setLocationOverride(const QString& file);
    // Tests: runs after each value has reached the store, with its name, so a test can make
    // the store fail part-way.
    static void setAfterWriteHook(std::function<void(const QString& name)> hook);

private:
    QString location_;
};

} // namespace dorvale::platform
