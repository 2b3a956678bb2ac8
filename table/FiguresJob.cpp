#include "table/FiguresJob.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <utility>

namespace dealmoor {

FiguresJob::FiguresJob(QObject& window) : window_(window) {}

FiguresJob::~FiguresJob() {
    stop();
}

void FiguresJob::stop() {
    cancel();
    // Every flag is raised by now, so the threads wind down together.
    stopping_.clear();
}

void FiguresJob::start(Work work, std::function<void()> failed) {
    cancel();
    const int run = run_;
    Post post = [this, run](std::function<void()> show) {
        QMetaObject::invokeMethod(
            &window_,
            [this, run, show = std::move(show)] {
                if (run == run_)
                    show();
            },
            Qt::QueuedConnection);
    };
    ended_ = false;
    current_ = std::make_unique<BackgroundJob>(
        [this, work = std::move(work), post = std::move(post),
         failed = std::move(failed)](const std::atomic<bool>& stop) {
            try {
                work(stop, post);
            } catch (...) {
                post(failed);
            }
            // Queued after everything the work posted, so it arrives last.
            post([this] { ended_ = true; });
        });
}

void FiguresJob::cancel() {
    ++run_;
    if (current_ != nullptr) {
        current_->requestStop();
        stopping_.push_back(std::move(current_));
    }
    joinReturned();
}

std::size_t FiguresJob::stopping() const {
    return static_cast<std::size_t>(std::count_if(
        stopping_.begin(), stopping_.end(), [](const auto& job) { return !job->finished(); }));
}

void FiguresJob::joinReturned() {
    // A finished job's thread has returned: destroying it joins at once.
    stopping_.erase(std::remove_if(stopping_.begin(), stopping_.end(),
                                   [](const auto& job) { return job->finished(); }),
                    stopping_.end());
}

} // namespace dealmoor
