#include "apps/vovuv/main.h"

#include "core/DrawUpdate.h"
#include "platform/Dialogs.h"

#include <QAction>

void TForm1::Update1Click() {
    // One transfer at a time, whichever item asked for it.
    if (Transfer.Busy()) return;
    for (const auto& item : Transfer.items)
        if (item && !item->isEnabled()) return;
    Button_updateClick();
}

void TForm1::Button_updateClick() {
    UpdateDrawFile();
}

void TForm1::UpdateDrawFile() {
    if (RunUpdate()) CheckVersion();
}

void TForm1::CheckVersion() {
    const SiteTransfer::Result got =
        Transfer.Fetch(core::SiteFileURL(SiteRoot, GameRules().versionFileName()), SiteRoot,
                       core::MaxVersionFileBytes, core::UnsizedBody::EndsWithClose);
    switch (got.end) {
    case SiteTransfer::End::Done:
        break;
    case SiteTransfer::End::Failed:
        platform::Dialogs().ShowMessage("Error");
        return;
    case SiteTransfer::End::TooLarge: // no version file, whatever the site sent
    case SiteTransfer::End::Busy:
    case SiteTransfer::End::Closed:
        return;
    }
    // Only a whole answer is a version: a chunk size or a part of a date is none. A version
    // text without a length ends where the server closes it.
    if (!got.whole) {
        platform::Dialogs().ShowMessage("Error");
        return;
    }
    if (const auto message = core::VersionMessage(got.body))
        platform::Dialogs().ShowMessage(*message);
}
