#pragma once

#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace testing_support {

// A program run on a folder of its own: the windows are created as the program creates them,
// on the draw file the test put there, with the scripted dialogs answering.
template <class Windows, class Form> class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(std::string drawFileName) : drawFileName_(std::move(drawFileName)) {}

    // Writes drawFile as the program folder's draw file (none when empty) and creates the
    // windows.
    void Start(const std::string& drawFile = "") {
        if (!drawFile.empty()) dir.write(drawFileName_, drawFile);
        platform::SetProgramFolder(dir.path());
        windows = std::make_unique<Windows>();
        form = windows->form1.get();
    }
    void TearDown() override {
        windows.reset();
        form = nullptr;
        platform::SetProgramFolder("");
    }

    TempDir dir;
    ScopedDialogs dialogs;
    std::unique_ptr<Windows> windows;
    Form* form = nullptr;

private:
    std::string drawFileName_;
};

} // namespace testing_support
