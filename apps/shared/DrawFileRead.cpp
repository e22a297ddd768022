#include "apps/shared/DrawFileRead.h"

#include "core/FileChecks.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <new>
#include <string>
#include <vector>

std::optional<core::LoadReport> ReadDrawFile(const std::string& fileName,
                                             const core::DrawFileRules& rules,
                                             core::DrawStore& store, core::Lang lang) {
    try {
        return core::LoadDrawLines(core::DrawFileLines(platform::ReadFileBytes(fileName)), rules,
                                   store);
    } catch (const platform::FileRefused& e) {
        platform::Dialogs().ShowMessage(
            core::FileRefusalMessage(e.Why(), fileName, e.Limit(), lang));
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    } catch (const std::bad_alloc&) {
        platform::Dialogs().ShowMessage(core::FileRefusalMessage(
            core::FileRefusal::OutOfMemory, fileName, core::MaxDrawFileBytes, lang));
    }
    return std::nullopt;
}
