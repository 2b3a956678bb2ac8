#pragma once
// Where the table window sends its settings to be kept. The session keeps them
// in the settings file; the window only says when.

#include "setup/SettingsFile.h"

#include <string>

namespace dealmoor {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // After every completed deal and whenever a setting changes: the file is
    // written soon, away from the window thread, so a deal never waits for it.
    virtual void saveSoon() = 0;
    // At closing: the file is written now; the result says whether it was.
    virtual WriteResult saveNow() = 0;
    // The settings file's full path, for messages.
    virtual std::string settingsPath() const = 0;
};

} // namespace dealmoor
