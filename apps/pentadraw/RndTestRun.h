#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/RndTest.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class EditionHost;
class QProgressDialog;
class TxpButton;
class QTimer;

// Runs the random test in slices on the GUI thread, so the program keeps painting and the
// user can stop it; each finished draw's line goes to addLine at once.
class TRndTestRun : public QObject {
    Q_OBJECT

public:
    TRndTestRun(QObject* parent = nullptr);
    ~TRndTestRun() override;

    // Starts on a copy of the draws, so a draw file opened meanwhile changes nothing. finished
    // runs once, after the last draw or a stop.
    void Start(const core::DrawStore& store, const core::Game& game, int count, core::Lang lang,
               core::RandomGenerator& random, std::function<void(const std::string&)> addLine,
               std::function<void()> finished);
    bool Running() const { return search_ != nullptr; }
    void Stop();

    // Attempts per slice: a few milliseconds of work.
    static constexpr std::int64_t SliceAttempts = 20000;

private:
    void Slice();
    void Finish();

    std::unique_ptr<core::DrawStore> store_;
    std::unique_ptr<core::RndTestSearch> search_;
    core::RandomGenerator* random_ = nullptr;
    std::function<void(const std::string&)> addLine_;
    std::function<void()> finished_;
    QTimer* timer_;
    std::unique_ptr<QProgressDialog> progress_;
    int count_ = 0;
    int done_ = 0;
};

// The RND Test command: asks for N (default and limit the number of draws), disables the
// button, appends one line per draw to the text window as the search finds it, then enables
// the button and shows the text window. The text window keeps what it held before.
void RndTestCommand(TRndTestRun& run, const EditionHost& host, TxpButton& button,
                    core::RandomGenerator& random);
