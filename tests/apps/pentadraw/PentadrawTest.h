#pragma once

#include "apps/pentadraw/Windows.h"
#include "apps/pentadraw/main.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A program run on a folder of its own: the windows are created as the program creates them,
// on the draw file the test put there, with the scripted dialogs answering.
class PentadrawTest : public ::testing::Test {
protected:
    // Writes drawFile as the program folder's 5x36.txt (none when empty) and creates the windows.
    void Start(const std::string& drawFile = "") {
        if (!drawFile.empty()) dir.write("5x36.txt", drawFile);
        platform::SetProgramFolder(dir.path());
        windows = std::make_unique<PentadrawWindows>();
        form = windows->form1.get();
    }
    void TearDown() override {
        windows.reset();
        form = nullptr;
        platform::SetProgramFolder("");
    }

    testing_support::TempDir dir;
    testing_support::ScopedDialogs dialogs;
    std::unique_ptr<PentadrawWindows> windows;
    TForm1* form = nullptr;
};
