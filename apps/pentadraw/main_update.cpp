#include "apps/pentadraw/main.h"

#include "apps/shared/DrawFileUpdate.h"
#include "core/DrawUpdate.h"

void TForm1::Button_updateClick() {
    // Nothing on the screen says a transfer runs, so a second click must be refused here.
    if (Transfer.Busy()) return;
    DrawFileUpdateJob job;
    job.siteRoot = SiteRoot;
    job.fileName = DrawFileName;
    job.isDrawLine = [rules = edition_.drawFile](std::string_view line) {
        return core::IsValidDrawLine(line, rules);
    };
    job.lang = Lang();
    job.reload = [this](const std::string& path) { return LoadDrawFile(path); };
    // It counts the draws loaded, not the lines saved.
    job.successMessage = [this] {
        return core::UpdateSuccessMessage(
            DrawFileName, DrawCount, edition_.englishFileMessages ? core::Lang::English : Lang());
    };
    RunDrawFileUpdate(Transfer, job);
}
