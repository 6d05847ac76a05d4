// Large-catalogue benchmark: from Enter in the search box until the grid can
// show the rows, phase by phase, against the stand-in server on loopback with
// a 500 000-item catalogue; the client's memory with 20 000 rows; scrolling
// that list; and "Hepsini Seç" on a 500-line basket. See docs/performance.md.

#include "async.h"
#include "baskettab.h"
#include "callframe.h"
#include "clientdataset.h"
#include "datagrid.h"
#include "deployment.h"
#include "mainwindow.h"
#include "program.h"
#include "seams.h"
#include "stocklists.h"
#include "testserver.h"
#include "jsonreader.h"
#include "wire.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cstdio>

namespace {

double ms(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

long procStatusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    return -1;
}

void waitForLoads()
{
    while (pendingBackgroundTasks() > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Seams that answer instead of a person: no dialog may block a benchmark.
struct QuietSeams : Seams {
    int messageDialog(const MessageRequest &r) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return 1;
    }
    void plainMessage(const QString &t) override { std::fprintf(stderr, "message: %s\n", qPrintable(t)); }
    void errorReport(const QString &t) override { std::fprintf(stderr, "error: %s\n", qPrintable(t)); }
    int execDialog(QDialog *) override { return 0; }
    void terminate(int) override {}
};

struct Phases {
    int rows = 0;
    double connect = 0, server = 0, transfer = 0, parse = 0, model = 0, total = 0;
};

// One search done step by step on a raw socket, so the time up to the first
// byte of the reply (the server's work) and the rest (the transfer) can be told apart.
Phases measurePhases(quint16 port, const QString &text, const TSonucBilgisi &session)
{
    Phases p;
    QElapsedTimer all;
    all.start();
    QElapsedTimer t;
    t.start();
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    s.waitForConnected(5000);
    s.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    wire::FrameReader reader;
    auto readFrame = [&](QElapsedTimer *firstByte, double *firstMs) {
        QJsonObject frame;
        QString error;
        bool first = true;
        for (;;) {
            if (reader.next(&frame, &error) == wire::FrameReader::Ready)
                return frame;
            s.waitForReadyRead(60000);
            if (first && firstByte) {
                *firstMs = ms(*firstByte);
                first = false;
            }
            reader.feed(s.readAll());
        }
    };
    s.write(wire::encodeFrame(wire::helloRequest()));
    readFrame(nullptr, nullptr);
    p.connect = ms(t);

    ObjectWriter w;
    const QJsonObject req{{"id", 1}, {"call", "TServerMethods1.StokAraGetir"}, {"params", QJsonArray{text, w.write(&session)}}};
    t.restart();
    s.write(wire::encodeFrame(req));
    s.waitForBytesWritten(5000);
    double firstByte = 0;
    // Read the raw frame ourselves to time parsing apart from the transfer.
    QByteArray raw;
    quint32 need = 0;
    bool first = true;
    while (true) {
        s.waitForReadyRead(60000);
        if (first) {
            firstByte = ms(t);
            first = false;
        }
        raw += s.readAll();
        if (raw.size() >= 4 && need == 0)
            need = qFromBigEndian<quint32>(raw.constData());
        if (need && quint64(raw.size()) >= need + 4ull)
            break;
    }
    p.server = firstByte;
    p.transfer = ms(t) - firstByte;

    // The client's own reader: rows go straight into the table.
    t.restart();
    ParsedFrame parsed;
    QString error;
    parseFrameJson(raw.mid(4, need), &parsed, &error);
    TableData table = parsed.tables.empty() ? TableData() : std::move(parsed.tables.front());
    p.parse = ms(t);
    p.rows = table.rowCount();

    t.restart();
    static const GridColumn columns[] = {{"BARKOD", "Barkod", 2}, {"ADI", "Açıklama", 3}, {"LISTEFIYAT1", "Liste Fiyatı", 2},
                                         {"NETFIYAT", "Net Fiyatı", 2}, {"KDVDAHIL", "KDV Dahil Fiyat", 3}};
    TClientDataSet ds;
    ds.loadFromPacket(std::move(table));
    FormatFloatFields(ds);
    DataGrid grid(columns);
    grid.resize(1400, 700);
    grid.setDataSet(&ds);
    grid.view()->viewport()->grab(); // the visible rows are drawn
    p.model = ms(t);
    p.total = ms(all);
    return p;
}

QString pickTerm(TServerMethods1Client &proxy, const TSonucBilgisi &session, const QStringList &candidates, int target,
                 int *rows)
{
    QString best;
    double bestRatio = 1e9;
    for (const QString &c : candidates) {
        const int n = proxy.StokAraGetir(c, std::make_unique<TSonucBilgisi>(session))->rowCount();
        if (n == 0)
            continue;
        // Below the target counts double: the big case must not come out easier than asked.
        const double ratio = n >= target ? double(n) / target : 2.0 * target / n;
        if (ratio < bestRatio) {
            bestRatio = ratio;
            best = c;
            *rows = n;
        }
    }
    return best;
}

// A client process of its own: window shown, logged in, one search.
int memoryRun(quint16 port, const QString &term)
{
    TForm1 form;
    form.bagc.Params["Port"] = QString::number(port);
    installSubsystems(form);
    CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) { form.sbilgi.Kopyala(*proxy.BuyukGetir("BENCH-WS")); });
    form.resize(1600, 900);
    form.show();
    QCoreApplication::processEvents();
    const long before = procStatusKb("VmRSS:");
    const long peakBefore = procStatusKb("VmHWM:");
    form.araedit->setText(term);
    QTest::keyClick(form.araedit, Qt::Key_Return);
    waitForLoads();
    form.findChild<StockLists *>()->cxGrid1->view()->viewport()->grab();
    std::printf("\n## Client memory, one search of %d rows in a fresh client\n\n", form.stok.RecordCount());
    std::printf("VmRSS %.1f MB before the search, %.1f MB after; peak (VmHWM) %.1f MB, %.1f MB before the search\n",
                before / 1024.0, procStatusKb("VmRSS:") / 1024.0, procStatusKb("VmHWM:") / 1024.0, peakBefore / 1024.0);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QuietSeams seams;
    Seams::install(&seams);

    if (argc == 4 && QByteArrayView(argv[1]) == "--memory")
        return memoryRun(quint16(QByteArray(argv[2]).toUShort()), QString::fromLocal8Bit(argv[3]));
    const int items = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500000;
    const QString db = QDir::currentPath() + QStringLiteral("/catalogue-%1.sqlite").arg(items);
    if (!QFile::exists(db)) {
        std::printf("Building a %d-item catalogue in %s ...\n", items, qPrintable(db));
        std::fflush(stdout);
        QProcess gen;
        gen.setProcessChannelMode(QProcess::ForwardedChannels);
        gen.start(QStringLiteral(ZERDA_SERVER_BIN), {"--db", db, "--items", QString::number(items), "--generate-only"});
        gen.waitForFinished(-1);
    }
    TestServer server({QStringLiteral("--items"), QString::number(items)});
    server.useDatabase(db);
    if (!server.start() || !server.registerWorkstation(QStringLiteral("BENCH-WS"), QStringLiteral("DEMO"))) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }

    TForm1 form;
    form.bagc.Params["Port"] = QString::number(server.port());
    installSubsystems(form);
    CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) { form.sbilgi.Kopyala(*proxy.BuyukGetir("BENCH-WS")); });
    form.resize(1600, 900);
    form.show();
    auto *lists = form.findChild<StockLists *>();
    const TSonucBilgisi session = form.sbilgi.snapshot();

    // Searches a dealer types, from narrow to broad; the closest to each size is used.
    const QStringList candidates{"BUJI TOYOTA NGK", "FREN BALATASI ON CLIO", "YAG FILTRESI CLIO", "SALINCAK GOLF", "BUJI TOYOTA",
                                 "AMORTISOR ON RENAULT", "FREN DISKI FORD", "RULMAN FIAT", "DEBRIYAJ SETI", "SILECEK",
                                 "TERMOSTAT", "BUJI", "RULMAN", "AMORTISOR", "BALATA", "DISKI", "ARKA", "ON",
                                 "FILTRESI", "FREN", "CLIO", "TOYOTA"};
    QList<QPair<QString, int>> terms;
    CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) {
        for (int target : {100, 2000, 20000}) {
            int rows = 0;
            const QString term = pickTerm(proxy, session, candidates, target, &rows);
            terms.append({term, rows});
        }
    });

    std::printf("\n## Search, %d items, 5 runs each (median, ms)\n\n", items);
    std::printf("| search | rows | connect | server | transfer | decode | dataset + grid | phases total | end to end (window) | decode + model share |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const auto &[term, expectedRows] : terms) {
        QList<double> c, sv, tr, pa, mo, to, e2e;
        int rows = 0;
        for (int i = 0; i < 5; ++i) {
            const Phases p = measurePhases(server.port(), term, session);
            rows = p.rows;
            c << p.connect; sv << p.server; tr << p.transfer; pa << p.parse; mo << p.model; to << p.total;
            // The real path: Enter in the search box until the grid has painted its rows.
            form.activateTab(form.sstoklistesi);
            form.araedit->setText(term);
            QElapsedTimer t;
            t.start();
            QTest::keyClick(form.araedit, Qt::Key_Return);
            waitForLoads();
            lists->cxGrid1->view()->viewport()->grab();
            e2e << ms(t);
        }
        const double share = (median(pa) + median(mo)) / median(e2e) * 100;
        std::printf("| %s | %d | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %.0f %% |\n", qPrintable(term), rows,
                    median(c), median(sv), median(tr), median(pa), median(mo), median(to), median(e2e), share);
        std::fflush(stdout);
    }

    // Memory: a fresh client process that logs in, shows the window and runs the largest search once.
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--memory", QString::number(server.port()), terms.last().first});
        child.waitForFinished(-1);
    }

    // Scrolling the largest list in the window.
    form.araedit->setText(terms.last().first);
    QTest::keyClick(form.araedit, Qt::Key_Return);
    waitForLoads();
    QTableView *view = lists->cxGrid1->view();
    view->viewport()->grab();

    QList<double> frames;
    QScrollBar *bar = view->verticalScrollBar();
    for (int i = 0; i <= 40; ++i) {
        QElapsedTimer t;
        t.start();
        bar->setValue(bar->maximum() * i / 40);
        view->viewport()->grab();
        frames << ms(t);
    }
    std::printf("\n## Scrolling the %d-row list: 41 jumps across it, each repainted\n\n", form.stok.RecordCount());
    std::printf("median %.1f ms, worst %.1f ms per repaint\n", median(frames), *std::max_element(frames.begin(), frames.end()));

    // "Hepsini Seç" on a 500-line basket.
    {
        QSqlQuery q(server.db());
        q.exec("DELETE FROM sepet WHERE carino = 1001");
        q.exec("INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, k, sec, veren, tarih)"
               " SELECT 1001, stokno, barkod, adi, 1, listefiyat, kdv, 10, 5, 0, 0, 0, 0, 1, 46000 FROM stok LIMIT 500");
    }
    form.activateTab(form.ssepet);
    waitForLoads();
    auto *basket = form.findChild<BasketTab *>();
    QList<double> selectAll;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        (i % 2 == 0) ? basket->Button4Click() : basket->Button5Click();
        selectAll << ms(t);
    }
    std::printf("\n## \"Hepsini Seç\" / \"Seçimleri Kaldır\" on a %d-line basket (one call per line, each on a new connection)\n\n",
                form.sepet.RecordCount());
    std::printf("runs: %.0f ms, %.0f ms, %.0f ms\n", selectAll[0], selectAll[1], selectAll[2]);
    Seams::install(nullptr);
    return 0;
}
