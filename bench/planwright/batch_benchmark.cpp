// What a batch projection costs on the in-process simulated CATIA: a work list of sample models
// (single-body parts of seven shapes, multi-body parts, small assemblies) projected in each of
// the three output modes, with the window's default options (first-angle projection, paper up
// to A0, frame, size text and notes, every body of a multi-body part as a part of its own, no
// DWG export). For each mode it reports the automation calls per model (member calls, TypeName
// queries and the factory's GetObject and CreateObject), the time per model on the program's
// side (the run's wall time less the time spent inside automation calls and releases of the
// server's objects) and in all, the drawings saved with their sheets and projected views, and
// the failures the run reported.
//
//   planwright_benchmark [--models N | --sizes N,N,...] [--repeat R] [--members]
//
// Every mode runs R times (3 by default) on a fresh machine; the table shows the fastest run,
// the one least disturbed by other work on the computer, and the runs must agree in every count.
// One more run without the meters must leave the same files and messages, which shows that
// the meters do not change what the program does, and gives the time per model unmetered.
// --sizes repeats the table for each batch size, to show how the cost per model follows the
// size of the batch; --members lists the members that took longest in each mode.

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "measured_run.h"

namespace {

using qvl::bench::MeasuredRun;
using qvl::bench::Metering;

struct Options {
    std::vector<int> sizes{200};
    int repeat = 3;
    bool members = false;
};

// What a run left: its files, its messages and its marks.
bool sameOutcome(const MeasuredRun& a, const MeasuredRun& b) {
    return a.outputFiles == b.outputFiles && a.events == b.events && a.reportedFailures == b.reportedFailures &&
           a.markedLines == b.markedLines && a.escaped == b.escaped;
}

// Everything that two runs of one batch must share: what they called and what they left.
bool sameCounts(const MeasuredRun& a, const MeasuredRun& b) {
    return a.calls == b.calls && a.failedCalls == b.failedCalls && a.releases == b.releases && sameOutcome(a, b);
}

void printHeader() {
    std::printf("%4s %6s %8s %11s %8s %9s %11s %10s %11s %8s %6s %6s %8s\n", "mode", "models", "subjects",
                "calls/model", "failed/m", "prog ms/m", "platform ms", "total ms/m", "unmetered", "drawings",
                "sheets", "views", "failures");
}

void printRow(const MeasuredRun& r, const MeasuredRun& unmetered) {
    const int models = static_cast<int>(r.batch.paths.size());
    const double perModel = 1.0 / models;
    char failures[32];
    if (r.reportedFailures) {
        std::snprintf(failures, sizeof failures, "%d/%d", *r.reportedFailures, r.markedLines);
    } else {
        std::snprintf(failures, sizeof failures, "none/%d", r.markedLines);
    }
    std::printf("%4d %6d %8d %11.1f %8.2f %9.3f %11.3f %10.3f %11.3f %8d %6d %6d %8s\n", r.mode, models,
                models + r.batch.bodiesOfMultiBodyParts, r.calls * perModel, r.failedCalls * perModel,
                (r.seconds - r.secondsInside) * 1000 * perModel, r.secondsInPlatform * 1000 * perModel,
                r.seconds * 1000 * perModel, unmetered.seconds * 1000 * perModel, r.drawings, r.sheets,
                r.projectedViews, failures);
    if (!r.escaped.empty()) std::printf("     error that left the run: %s\n", r.escaped.c_str());
}

void printSlowestMembers(const MeasuredRun& r) {
    std::printf("mode %d, longest inside (member: calls, failed, ms):", r.mode);
    for (const auto& m : r.slowestMembers) {
        std::printf(" %s %lld %lld %.1f;", m.name.c_str(), m.calls, m.failedCalls, m.milliseconds);
    }
    std::printf(" releases %lld %.1f\n", r.releases, r.secondsReleasing * 1000);
}

std::vector<int> parseSizes(const std::string& text) {
    std::vector<int> sizes;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        const int n = std::atoi(text.substr(at, comma - at).c_str());
        if (n <= 0) throw std::runtime_error("a batch size must be a positive whole number: " + text);
        sizes.push_back(n);
        at = comma + 1;
    }
    return sizes;
}

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--models" || arg == "--sizes") && i + 1 < argc) {
            o.sizes = parseSizes(argv[++i]);
        } else if (arg == "--repeat" && i + 1 < argc) {
            o.repeat = std::atoi(argv[++i]);
            if (o.repeat <= 0) throw std::runtime_error("--repeat takes a positive whole number");
        } else if (arg == "--members") {
            o.members = true;
        } else {
            throw std::runtime_error(
                "usage: planwright_benchmark [--models N | --sizes N,N,...] [--repeat R] [--members]");
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parseOptions(argc, argv);
        const std::filesystem::path world = QVL_SAMPLE_WORLD;
        const Metering metering = options.members ? Metering::ByMember : Metering::Counted;
        bool sound = true;
        for (int models : options.sizes) {
            std::vector<MeasuredRun> fastest;
            std::vector<MeasuredRun> unmetered;
            for (int mode : {1, 2, 3}) {
                MeasuredRun best = qvl::bench::runBatch(world, mode, models, metering);
                for (int r = 1; r < options.repeat; ++r) {
                    MeasuredRun again = qvl::bench::runBatch(world, mode, models, metering);
                    if (!sameCounts(best, again)) {
                        std::printf("mode %d: two metered runs of the same batch DIFFER\n", mode);
                        sound = false;
                    }
                    if (again.seconds < best.seconds) best = std::move(again);
                }
                MeasuredRun plain = qvl::bench::runBatch(world, mode, models, Metering::None);
                if (!sameOutcome(best, plain)) {
                    std::printf("mode %d: the run without meters left other files or messages\n", mode);
                    sound = false;
                }
                sound = sound && best.escaped.empty() && best.reportedFailures.has_value();
                fastest.push_back(std::move(best));
                unmetered.push_back(std::move(plain));
            }
            const qvl::bench::SampleBatch& batch = fastest.front().batch;
            std::printf("batch of %d models: %d single-body parts, %d multi-body parts (%d bodies), %d assemblies\n",
                        models, batch.singleBodyParts, batch.multiBodyParts, batch.bodiesOfMultiBodyParts,
                        batch.assemblies);
            printHeader();
            for (std::size_t i = 0; i < fastest.size(); ++i) printRow(fastest[i], unmetered[i]);
            if (options.members) {
                for (const MeasuredRun& r : fastest) printSlowestMembers(r);
            }
            std::printf("\n");
        }
        std::printf(
            "subjects: models and the bodies of multi-body parts, each projected; failures: reported by the run /\n"
            "marked in the work list. prog ms: wall time of the run less the time inside automation calls and\n"
            "releases, of which platform ms inside the headless platform services. Times: fastest of %d metered\n"
            "runs; unmetered: one run without the meters, which left the same files and messages%s.\n",
            options.repeat, sound ? "" : " (SEE ABOVE)");
        return sound ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
