#include "apps/pentadraw/RndTestRun.h"

#include "core/BiText.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "platform/Dialogs.h"

#include <QProgressDialog>
#include <QTimer>

TRndTestRun::TRndTestRun(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, [this] { Slice(); });
}

TRndTestRun::~TRndTestRun() = default;

void TRndTestRun::Start(const core::DrawStore& store, const core::Game& game, int count,
                        core::Lang lang, core::RandomGenerator& random,
                        std::function<void(const std::string&)> addLine,
                        std::function<void()> finished) {
    Stop();
    store_ = std::make_unique<core::DrawStore>(store);
    search_ = std::make_unique<core::RndTestSearch>(*store_, game, count);
    random_ = &random;
    addLine_ = std::move(addLine);
    finished_ = std::move(finished);
    count_ = count;
    done_ = 0;
    // Shown only when the search takes a while; its button is the way to stop.
    progress_ = std::make_unique<QProgressDialog>(
        QString("RND Test"), QString(core::BiText{"Стоп", "Stop"}(lang)), 0, std::max(count, 1));
    progress_->setWindowTitle("RND Test");
    progress_->setMinimumDuration(1500);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_.get(), &QProgressDialog::canceled, this, [this] { Stop(); });
    progress_->setValue(0);
    timer_->start();
}

void TRndTestRun::Slice() {
    if (!search_) return;
    for (const auto& line : search_->Run(*random_, SliceAttempts)) {
        addLine_(line);
        ++done_;
    }
    if (progress_) progress_->setValue(done_);
    if (search_->Done()) Finish();
}

void TRndTestRun::Stop() {
    if (search_) Finish();
}

void TRndTestRun::Finish() {
    timer_->stop();
    search_.reset();
    store_.reset();
    if (progress_) {
        progress_->disconnect(this);
        progress_->hide();
        progress_.reset();
    }
    auto finished = std::move(finished_);
    finished_ = nullptr;
    if (finished) finished();
}

void RndTestCommand(TRndTestRun& run, const EditionHost& host, TxpButton& button,
                    core::RandomGenerator& random) {
    if (run.Running()) return;
    const int draws = host.Store().DrawCount;
    const std::string answer = platform::Dialogs().InputBox(
        "Enter number of last draws 1.." + std::to_string(draws), "", std::to_string(draws));
    const int count = core::RndTestCount(answer, draws);
    button.SetEnabled(false);
    run.Start(
        host.Store(), host.GameRules(), count, host.Language(), random,
        [](const std::string& line) { Form_memo->Memo1->Add(line); },
        [&button] {
            button.SetEnabled(true);
            Form_memo->ShowModal();
        });
}
