// The program's message box: titles, Turkish captions, focused button, font,
// and messages asked for by a worker thread.
#include "async.h"
#include "fakeseams.h"
#include "messages.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

class TstMessages : public QObject
{
    Q_OBJECT
private slots:
    void titlesByKind_data();
    void titlesByKind();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void turkishCaptions();
    void workerMessagesShowOnTheUiThread();
    void backgroundErrorReportedAfterUiHalf();
};

void TstMessages::titlesByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("warning") << int(mtWarning) << "Uyarı";
    QTest::newRow("error") << int(mtError) << "Hata";
    QTest::newRow("information") << int(mtInformation) << "Bilgi";
    QTest::newRow("confirmation") << int(mtConfirmation) << "Soru";
}

void TstMessages::titlesByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    std::unique_ptr<QMessageBox> box(buildMessageDialog({QStringLiteral("metin"), kind, mbOK, mbOK}, nullptr));
    QCOMPARE(box->windowTitle(), title);
    QCOMPARE(box->font().pointSize(), 15);
}

void TstMessages::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("result");
    QTest::newRow("No focused: Enter answers No") << int(mbNo) << int(mrNo);
    QTest::newRow("Yes focused: Enter answers Yes") << int(mbYes) << int(mrYes);
}

void TstMessages::enterPressesTheFocusedButton()
{
    QFETCH(int, focused);
    QFETCH(int, result);
    std::unique_ptr<QMessageBox> box(
        buildMessageDialog({QStringLiteral("Satırı silmek istiyor musunuz "), mtConfirmation, mbYes | mbNo, focused}, nullptr));
    QTimer::singleShot(0, box.get(), [&] { QTest::keyClick(box.get(), Qt::Key_Return); });
    const int exec = box->exec();
    QCOMPARE(modalResultOf(box.get(), exec), result);
}

void TstMessages::turkishCaptions()
{
    std::unique_ptr<QMessageBox> box(buildMessageDialog(
        {QStringLiteral("x"), mtConfirmation, mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore, mbOK}, nullptr));
    QStringList captions;
    for (QAbstractButton *b : box->buttons())
        captions << b->text();
    captions.sort();
    QCOMPARE(captions, QStringList({"Atla", "Evet", "Hayır", "Tamam", "Tekrar", "Vazgeç", "İptal"}));
}

class ThreadRecordingSeams : public FakeSeams
{
public:
    QList<QThread *> threads;
    int messageDialog(const MessageRequest &r) override
    {
        threads << QThread::currentThread();
        return FakeSeams::messageDialog(r);
    }
};

void TstMessages::workerMessagesShowOnTheUiThread()
{
    ThreadRecordingSeams seams;
    seams.answers = {mrYes};
    QFuture<int> f = QtConcurrent::run([] { return ShowMessageDialog(QStringLiteral("soru"), mtConfirmation, mbYes | mbNo, mbNo); });
    while (!f.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCOMPARE(f.result(), int(mrYes)); // the worker waited for the answer
    QCOMPARE(seams.threads, QList<QThread *>{QThread::currentThread()});
}

void TstMessages::backgroundErrorReportedAfterUiHalf()
{
    FakeSeams seams;
    QStringList order;
    RunAsync([] { throw std::runtime_error("sunucu hatası"); })->Await([&] {
        order << QStringLiteral("ui half");
        QVERIFY(seams.errors.isEmpty()); // the view is restored before the report
    });
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(order, QStringList{"ui half"});
    QCOMPARE(seams.errors, QStringList{"sunucu hatası"});
}

QTEST_MAIN(TstMessages)
#include "tst_messages.moc"
