#include "apps/shared/DrawFileUpdate.h"

#include "apps/shared/SiteTransfer.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <exception>

namespace {

// Valid draws of the file the download would replace; 0 when there is none to read.
int DrawsInFile(const std::string& path, const core::DrawLineRule& isDrawLine) {
    if (!platform::FileExists(path)) return 0;
    try {
        return core::CountDrawLines(core::DrawFileLines(platform::ReadFileBytes(path)), isDrawLine);
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace

DrawFileUpdateEnd RunDrawFileUpdate(SiteTransfer& transfer, const DrawFileUpdateJob& job) {
    const SiteTransfer::Result got =
        transfer.Fetch(core::SiteFileURL(job.siteRoot, job.fileName), job.siteRoot,
                       core::MaxDrawDownloadBytes, core::UnsizedBody::EndsWithLineEnd);
    if (got.end == SiteTransfer::End::Closed) return DrawFileUpdateEnd::Closed;
    if (got.end == SiteTransfer::End::Busy) return DrawFileUpdateEnd::NotUpdated;
    const core::DrawDownload download = got.end == SiteTransfer::End::Done && got.whole
                                            ? core::PrepareDrawDownload(got.body, job.isDrawLine)
                                            : core::DrawDownload{};
    if (!download.allDrawLines) {
        platform::Dialogs().ShowMessage("Error");
        return DrawFileUpdateEnd::NotUpdated;
    }

    const std::string path = platform::InProgramFolder(job.fileName);
    if (const int held = DrawsInFile(path, job.isDrawLine);
        download.lines < held &&
        !platform::Dialogs().AskYesNo(
            core::ShrinkQuestion(job.fileName, held, download.lines, job.lang),
            core::ShrinkCaption(job.lang), platform::DefaultAnswer::No))
        return DrawFileUpdateEnd::NotUpdated;
    platform::RemoveStaleTemps(path);
    // The new file is complete on disk before anything else changes.
    const std::optional<std::string> temp = platform::WriteTempBeside(path, download.fileBytes);
    if (!temp) {
        platform::Dialogs().ShowMessage(core::SaveFailedMessage(job.fileName, job.lang));
        return DrawFileUpdateEnd::NotUpdated;
    }
    std::optional<std::string> backup;
    if (platform::FileExists(path)) {
        // The old file keeps its place under its own name until the new one takes it over.
        const std::optional<std::string> name =
            core::BackupName(job.fileName, [](const std::string& candidate) {
                return platform::NameTaken(platform::InProgramFolder(candidate));
            });
        if (name) backup = platform::InProgramFolder(*name);
        if (!backup || !platform::KeepCopy(path, *backup)) {
            platform::RemoveFile(*temp);
            platform::Dialogs().ShowMessage(core::BackupFailedMessage(job.fileName, job.lang));
            return DrawFileUpdateEnd::NotUpdated;
        }
    }
    if (!platform::ReplaceFile(*temp, path)) {
        platform::RemoveFile(*temp);
        if (backup) platform::RemoveFile(*backup);
        platform::Dialogs().ShowMessage(core::SaveFailedMessage(job.fileName, job.lang));
        return DrawFileUpdateEnd::NotUpdated;
    }
    if (platform::FileExists(path) && job.reload(path))
        platform::Dialogs().ShowMessage(job.successMessage());
    return DrawFileUpdateEnd::Updated;
}
