#pragma once
// The numbers behind a window, worked out away from the window thread.
//
// A window keeps one FiguresJob. start() runs a piece of work on a thread of
// its own (a BackgroundJob, whose simulation spreads over worker threads);
// the work hands what it finds to the window thread through post(), which
// queues it on the window's event loop. Starting again or cancel() raises the
// running work's stop flag and returns at once, so a click never waits for a
// thread: what the old work still posts is dropped, and its thread is joined
// once it has returned. The job's end joins every thread it started, so a
// window that keeps it as a member has no thread left behind when it goes,
// and nothing posted reaches it afterwards.

#include "strategy/Simulation.h"

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace dealmoor {

class FiguresJob {
public:
    // Hands a piece of the result to the window thread.
    using Post = std::function<void(std::function<void()>)>;
    // Runs on the job's thread; returns soon after `stop` is raised.
    using Work = std::function<void(const std::atomic<bool>& stop, const Post& post)>;

    // `window` receives what the work posts, on its own thread.
    explicit FiguresJob(QObject& window);
    ~FiguresJob();
    FiguresJob(const FiguresJob&) = delete;
    FiguresJob& operator=(const FiguresJob&) = delete;

    // Cancels the running work, if any, and starts `work`. Should the work
    // fail (it throws), `failed` runs on the window thread instead of its end.
    void start(Work work, std::function<void()> failed);
    // Stops the running work without waiting for it; nothing it posts from
    // now on is shown.
    void cancel();
    // Stops every piece of work and waits until each has returned (the
    // window is closing).
    void stop();
    // Whether work was started, not cancelled, and has not yet ended with all
    // it posted shown: the figures on screen are then the work's last ones.
    bool running() const { return current_ != nullptr && !ended_; }
    // Cancelled work still winding down on its thread.
    std::size_t stopping() const;

private:
    // Joins the cancelled work that has returned by now.
    void joinReturned();

    QObject& window_;
    int run_ = 0;        // numbers the runs; a post of an older run is dropped
    bool ended_ = false; // the current run's end has reached the window thread
    std::unique_ptr<BackgroundJob> current_;
    std::vector<std::unique_ptr<BackgroundJob>> stopping_;
};

} // namespace dealmoor
