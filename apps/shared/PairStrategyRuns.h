#pragma once

class EditionHost;
class TxpButton;
namespace platform {
class TStringGrid;
}

// The click handlers of the pair, strategy and filter commands, written once for both
// editions: each asks its parameter, runs the command over the host's draws with the host's
// edition table and hands the result to the result windows.

void RunTriples(const EditionHost& host);
void RunNumbers(const EditionHost& host);
void RunStatsDuples(const EditionHost& host);
void RunMatchInDraws(const EditionHost& host);
void RunPeriod(const EditionHost& host);

void RunSkipStrategy(const EditionHost& host);
void RunFrequencyStrategy(const EditionHost& host);
void RunFreqAnalyse(const EditionHost& host);

void RunFilterAny(const EditionHost& host);
void RunSeparation(const EditionHost& host);
// Copies the main grid's own columns beside the draws.
void RunShow(const EditionHost& host, const platform::TStringGrid& mainGrid);
// The button stays disabled while the windows show.
void RunCombinations(const EditionHost& host, TxpButton& button);

void RunGroups(const EditionHost& host);
