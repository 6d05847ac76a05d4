#include "async.h"

#include "errors.h"
#include "messages.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QThreadPool>
#include <atomic>

namespace {
std::atomic<int> g_pending{0};

bool onUiThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}
}

QString errorText(const std::exception &e)
{
    if (auto *z = dynamic_cast<const ZerdaError *>(&e))
        return z->message();
    return QString::fromLocal8Bit(e.what());
}

void TAwait::Await(std::function<void()> proc)
{
    ++g_pending;
    auto self = shared_from_this(); // lives until both halves have run
    QThreadPool::globalInstance()->start([self, proc = std::move(proc)] {
        QString failure;
        bool failed = false;
        try {
            self->FAsync();
        } catch (const std::exception &e) {
            failed = true;
            failure = errorText(e);
        } catch (...) {
            failed = true;
            failure = QStringLiteral("Bilinmeyen hata");
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, proc, failed, failure] {
            guarded(proc);
            if (failed)
                ReportError(failure);
            --g_pending;
        }, Qt::QueuedConnection);
    });
}

std::shared_ptr<TAwait> RunAsync(std::function<void()> background)
{
    return std::make_shared<TAwait>(std::move(background));
}

void Synchronize(const std::function<void()> &proc)
{
    if (onUiThread() || !QCoreApplication::instance()) {
        proc();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), proc, Qt::BlockingQueuedConnection);
}

void StartPlainThread(std::function<void()> proc)
{
    ++g_pending;
    QThread *t = QThread::create([proc = std::move(proc)] {
        try {
            proc();
        } catch (...) {
            // Nobody waits for this thread; its work reports through the UI itself.
        }
    });
    QObject::connect(t, &QThread::finished, t, [t] {
        --g_pending;
        t->deleteLater();
    });
    t->start();
}

int pendingBackgroundTasks()
{
    return g_pending.load();
}

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        ReportError(errorText(e));
    } catch (...) {
        ReportError(QStringLiteral("Bilinmeyen hata"));
    }
}
