#pragma once
// Background loading: a background half on the worker pool, then a UI half on
// the UI thread. An error of the background half is reported on the UI thread
// after the UI half has restored the view; no exception crosses a thread.
//
//   RunAsync([=] { ...worker: own connection clone, fill dataset... })
//       ->Await([=] { ...UI thread: reattach, enable, captions... });

#include <QString>
#include <functional>
#include <memory>

class TAwait : public std::enable_shared_from_this<TAwait>
{
public:
    explicit TAwait(std::function<void()> background) : FAsync(std::move(background)) {}
    // Schedules the background procedure and returns at once.
    void Await(std::function<void()> proc);

private:
    std::function<void()> FAsync;
};

std::shared_ptr<TAwait> RunAsync(std::function<void()> background);

// Runs proc on the UI thread and waits for it (directly when already there).
void Synchronize(const std::function<void()> &proc);

// A one-off thread nobody waits for.
void StartPlainThread(std::function<void()> proc);

// Background tasks started and not yet finished (UI half included); tests
// wait for it to reach zero.
int pendingBackgroundTasks();

// Runs a UI-thread handler; an error it lets out goes to the default error
// report, and the program carries on.
void guarded(const std::function<void()> &handler);

// The text an escaped error shows: "message" for our own errors.
QString errorText(const std::exception &e);
