#include "database.h"

#include <QSqlError>

namespace db {

namespace {

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS satici ("
    " saticino INTEGER PRIMARY KEY, adi TEXT NOT NULL, telefon TEXT NOT NULL, mail TEXT NOT NULL)",
    // tip: customer type of the firm's users (0 plain, 3, 4).
    "CREATE TABLE IF NOT EXISTS cari ("
    " carino INTEGER PRIMARY KEY, carikod TEXT NOT NULL, cariadi TEXT NOT NULL, tip INTEGER NOT NULL,"
    " saticino INTEGER NOT NULL REFERENCES satici(saticino),"
    " sehir TEXT, ilce TEXT, adres1 TEXT, adres2 TEXT, ulke TEXT, tel1 TEXT, tel2 TEXT, gsm TEXT,"
    " fax1 TEXT, fax2 TEXT, email TEXT, mail TEXT, yetkili TEXT, vergidairesi TEXT, vergino TEXT,"
    " anagrup TEXT, altgrup TEXT, ozelkod TEXT,"
    " ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0, ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,"
    " tlborc REAL NOT NULL DEFAULT 0, tlalacak REAL NOT NULL DEFAULT 0,"
    " vadegecen INTEGER NOT NULL DEFAULT 0, vadetutar REAL NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS kullanici ("
    " sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL UNIQUE, sifre TEXT NOT NULL,"
    " carino INTEGER NOT NULL REFERENCES cari(carino), musteritipi INTEGER NOT NULL,"
    " aktif INTEGER NOT NULL, mail TEXT NOT NULL, saticino INTEGER REFERENCES satici(saticino))",
    "CREATE TABLE IF NOT EXISTS bilgisayar ("
    " bilgisayarid TEXT PRIMARY KEY, kullanici INTEGER NOT NULL REFERENCES kullanici(sirano),"
    " kayittarihi TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS stok ("
    " stokno INTEGER PRIMARY KEY, barkod TEXT NOT NULL, barkodno INTEGER NOT NULL, adi TEXT NOT NULL,"
    " digeradi TEXT, oem1 TEXT, oem2 TEXT, oem3 TEXT, oem4 TEXT, finishkod TEXT, ureticikodu TEXT,"
    " dpkod TEXT, pkod TEXT, birim TEXT, marka TEXT, model TEXT, anagrup TEXT, ozelkod TEXT,"
    " kdv REAL NOT NULL, listefiyat REAL NOT NULL, kampfiyat REAL NOT NULL, durum INTEGER NOT NULL,"
    " y INTEGER NOT NULL, k INTEGER NOT NULL, resim INTEGER NOT NULL,"
    " kalan REAL NOT NULL, alinansiparis REAL NOT NULL, verilensiparis REAL NOT NULL)",
    "CREATE INDEX IF NOT EXISTS stok_y ON stok(y) WHERE y > 0",
    "CREATE INDEX IF NOT EXISTS stok_k ON stok(k) WHERE k > 0",
    // Folded words and codes of each item; rowid = stokno. Contentless: only
    // the matching stock numbers are read from it.
    "CREATE VIRTUAL TABLE IF NOT EXISTS stok_ara USING fts5(metin, content='', detail='none', prefix='2 3 4')",
    "CREATE TABLE IF NOT EXISTS sepet ("
    " sirano INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL REFERENCES cari(carino),"
    " stokno INTEGER NOT NULL REFERENCES stok(stokno), barkod TEXT NOT NULL, stokadi TEXT NOT NULL,"
    " miktar REAL NOT NULL, birimfiyat REAL NOT NULL, kdv REAL NOT NULL,"
    " ind1 REAL NOT NULL, ind2 REAL NOT NULL, ind3 REAL NOT NULL, ind4 REAL NOT NULL,"
    " k INTEGER NOT NULL DEFAULT 0, sec INTEGER NOT NULL DEFAULT 0,"
    " veren INTEGER NOT NULL REFERENCES kullanici(sirano), tarih REAL NOT NULL, aciklama TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(carino)",
    "CREATE TABLE IF NOT EXISTS teslim (sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL, sira INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS kargoturu (sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL, sira INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS kargofirma ("
    " sirano INTEGER PRIMARY KEY, tur INTEGER NOT NULL REFERENCES kargoturu(sirano),"
    " adi TEXT NOT NULL, telefon TEXT NOT NULL, uyari TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS siparis ("
    " idno INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL REFERENCES cari(carino),"
    " tarih REAL NOT NULL, teslim INTEGER NOT NULL REFERENCES teslim(sirano),"
    " kargoturu INTEGER NOT NULL REFERENCES kargoturu(sirano),"
    " kargofirma INTEGER NOT NULL REFERENCES kargofirma(sirano),"
    " aciklama TEXT NOT NULL, veren INTEGER NOT NULL REFERENCES kullanici(sirano),"
    " durum INTEGER NOT NULL DEFAULT 0, satirsayisi INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS siparis_cari ON siparis(carino)",
    "CREATE TABLE IF NOT EXISTS siparissatir ("
    " sirano INTEGER PRIMARY KEY AUTOINCREMENT, siparis INTEGER NOT NULL REFERENCES siparis(idno),"
    " stokno INTEGER NOT NULL REFERENCES stok(stokno), barkod TEXT NOT NULL, stokadi TEXT NOT NULL,"
    " miktar REAL NOT NULL, birimfiyat REAL NOT NULL, kdv REAL NOT NULL,"
    " ind1 REAL NOT NULL, ind2 REAL NOT NULL, ind3 REAL NOT NULL, ind4 REAL NOT NULL,"
    " k INTEGER NOT NULL, veren INTEGER NOT NULL, sepettarihi REAL NOT NULL, teslimmiktar REAL NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS siparissatir_siparis ON siparissatir(siparis)",
};

bool exec(QSqlDatabase &d, const QString &sql, QString *error)
{
    QSqlQuery q(d);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace

QSqlDatabase open(const QString &path, const QString &connectionName, QString *error)
{
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    d.setDatabaseName(path);
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!d.open()) {
        if (error)
            *error = d.lastError().text();
        return d;
    }
    // NORMAL is enough in WAL mode: a committed transaction survives the
    // process being killed; only a power cut may lose the last commits.
    for (const char *p : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
                          "PRAGMA foreign_keys=ON", "PRAGMA busy_timeout=10000"}) {
        if (!exec(d, QString::fromLatin1(p), error)) {
            d.close();
            break;
        }
    }
    return d;
}

void close(const QString &connectionName)
{
    {
        QSqlDatabase d = QSqlDatabase::database(connectionName, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool createSchema(QSqlDatabase &d, QString *error)
{
    for (const char *s : kSchema)
        if (!exec(d, QString::fromLatin1(s), error))
            return false;
    return true;
}

bool isSeeded(QSqlDatabase &d)
{
    return setting(d, QStringLiteral("tohum")) == QLatin1String("1");
}

QString setting(QSqlDatabase &d, const QString &key, const QString &fallback)
{
    QSqlQuery q(d);
    q.prepare(QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"));
    q.addBindValue(key);
    if (q.exec() && q.next())
        return q.value(0).toString();
    return fallback;
}

void setSetting(QSqlDatabase &d, const QString &key, const QString &value)
{
    run(d, QStringLiteral("INSERT INTO ayar(anahtar, deger) VALUES(?, ?) "
                          "ON CONFLICT(anahtar) DO UPDATE SET deger = excluded.deger"),
        {key, value});
}

QSqlQuery run(QSqlDatabase &d, const QString &sql, std::initializer_list<QVariant> binds)
{
    QSqlQuery q(d);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw CallError(QStringLiteral("Veritabanı hatası: %1").arg(q.lastError().text()));
    for (const QVariant &b : binds)
        q.addBindValue(b);
    if (!q.exec())
        throw CallError(QStringLiteral("Veritabanı hatası: %1").arg(q.lastError().text()));
    return q;
}

QVariant scalar(QSqlDatabase &d, const QString &sql, std::initializer_list<QVariant> binds)
{
    QSqlQuery q = run(d, sql, binds);
    return q.next() ? q.value(0) : QVariant();
}

Transaction::Transaction(QSqlDatabase &d) : m_db(d)
{
    // IMMEDIATE takes the write lock up front, so two writers queue on the
    // busy timeout instead of failing when a read lock would be upgraded.
    run(m_db, QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit()
{
    run(m_db, QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace db
