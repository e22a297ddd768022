#include "platform/ProgramFolder.h"

#include <QCoreApplication>

namespace platform {

namespace {
std::string& Override() {
    static std::string folder;
    return folder;
}
} // namespace

std::string ProgramFolder() {
    if (!Override().empty()) return Override();
    return QCoreApplication::applicationDirPath().toStdString();
}

void SetProgramFolder(const std::string& folder) {
    Override() = folder;
}

std::string InProgramFolder(const std::string& name) {
    return ProgramFolder() + "/" + name;
}

} // namespace platform
