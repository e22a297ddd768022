#include "apps/vovuv/main.h"

#include "components/net/HttpProt.h"
#include "core/DrawUpdate.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <QAction>

#include <sstream>

namespace {

// Keeps both Update items disabled while a transfer of the command runs.
class UpdateItemsOff {
public:
    explicit UpdateItemsOff(const TForm1& form)
        : main_(form.MainFileItem(1)), popup_(form.PopupFileItem(1)) {
        Set(false);
    }
    ~UpdateItemsOff() { Set(true); }
    UpdateItemsOff(const UpdateItemsOff&) = delete;
    UpdateItemsOff& operator=(const UpdateItemsOff&) = delete;

private:
    void Set(bool on) {
        if (main_) main_->setEnabled(on);
        if (popup_) popup_->setEnabled(on);
    }
    QAction* main_;
    QAction* popup_;
};

} // namespace

void TForm1::Update1Click() {
    // One transfer at a time, whichever item asked for it.
    if (HttpClient) return;
    if (QAction* item = MainFileItem(1); item && !item->isEnabled()) return;
    Button_updateClick();
}

void TForm1::Button_updateClick() {
    UpdateDrawFile();
}

namespace {

// Fetches a file of the site into body; false when the transfer failed or the server did not
// answer with the file itself (2xx).
bool Fetch(TForm1& form, const std::string& url, std::string& body) {
    std::ostringstream stream;
    form.HttpClient = std::make_unique<THttpCli>(&form);
    THttpCli& client = *form.HttpClient;
    client.ReceiveStream = nullptr;
    client.URL = url;
    client.Reference = form.SiteRoot;
    client.ReceiveStream = &stream;
    bool ok = false;
    try {
        client.Get();
        ok = client.StatusCode() >= 200 && client.StatusCode() < 300;
    } catch (const std::exception&) {
        ok = false;
    }
    form.HttpClient.reset();
    body = stream.str();
    return ok;
}

} // namespace

void TForm1::UpdateDrawFile() {
    std::string body;
    bool fetched = false;
    {
        UpdateItemsOff off(*this);
        fetched = Fetch(*this, core::SiteFileURL(SiteRoot, DrawFileName), body);
    }
    const core::DrawDownload download =
        fetched ? core::PrepareDrawDownload(body, GameRules()) : core::DrawDownload{};
    // A download without a single draw would only replace good data with nothing.
    if (!fetched || !download.hasDrawLine) {
        platform::Dialogs().ShowMessage("Error");
        return;
    }

    const std::string path = platform::InProgramFolder(DrawFileName);
    // The new file is complete on disk before the old one is moved away.
    const std::optional<std::string> temp = platform::WriteTempBeside(path, download.fileBytes);
    if (!temp) {
        platform::Dialogs().ShowMessage(core::SaveFailedMessage(DrawFileName, Lang()));
        return;
    }
    std::optional<std::string> backup;
    if (platform::FileExists(path)) {
        const std::optional<std::string> name =
            core::BackupName(DrawFileName, [](const std::string& candidate) {
                return platform::FileExists(platform::InProgramFolder(candidate));
            });
        if (name) backup = platform::InProgramFolder(*name);
        if (!backup || !platform::RenameNoReplace(path, *backup)) {
            platform::RemoveFile(*temp);
            platform::Dialogs().ShowMessage(core::BackupFailedMessage(DrawFileName, Lang()));
            return;
        }
    }
    if (!platform::ReplaceFile(*temp, path)) {
        platform::RemoveFile(*temp);
        if (backup) platform::RenameNoReplace(*backup, path);
        platform::Dialogs().ShowMessage(core::SaveFailedMessage(DrawFileName, Lang()));
        return;
    }
    if (platform::FileExists(path) && LoadDrawFile(path))
        platform::Dialogs().ShowMessage(
            core::UpdateSuccessMessage(DrawFileName, DrawCount, Lang()));
    CheckVersion();
}

void TForm1::CheckVersion() {
    std::string body;
    bool fetched = false;
    {
        UpdateItemsOff off(*this);
        fetched = Fetch(*this, core::SiteFileURL(SiteRoot, GameRules().versionFileName()), body);
    }
    if (!fetched) {
        platform::Dialogs().ShowMessage("Error");
        return;
    }
    if (const auto message = core::VersionMessage(body)) platform::Dialogs().ShowMessage(*message);
}
