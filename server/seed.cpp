#include "seed.h"

#include "database.h"
#include "pricing.h"
#include "textfold.h"

#include <QDateTime>
#include <algorithm>
#include <QRandomGenerator>
#include <QVariant>
#include <wire.h>

namespace {

struct Part {
    const char *name;     // ADI, plain upper-case letters
    const char *other;    // DIGERADI
    const char *group;    // ANAGRUP
    const char *unit;     // BIRIM
    const char *prefix;   // BARKOD prefix
    double price;         // typical list price in TL
    double vat;
};

constexpr Part kParts[] = {
    {"FREN BALATASI ON", "BRAKE PAD SET FRONT", "FREN SISTEMI", "TAKIM", "FBO", 850, 20},
    {"FREN BALATASI ARKA", "BRAKE PAD SET REAR", "FREN SISTEMI", "TAKIM", "FBA", 720, 20},
    {"FREN DISKI ON", "BRAKE DISC FRONT", "FREN SISTEMI", "ADET", "FDO", 1150, 20},
    {"FREN KAMPANASI ARKA", "BRAKE DRUM REAR", "FREN SISTEMI", "ADET", "FKA", 980, 20},
    {"YAG FILTRESI", "OIL FILTER", "FILTRE", "ADET", "YFL", 180, 20},
    {"HAVA FILTRESI", "AIR FILTER", "FILTRE", "ADET", "HFL", 240, 20},
    {"POLEN FILTRESI", "CABIN FILTER", "FILTRE", "ADET", "PFL", 210, 20},
    {"YAKIT FILTRESI", "FUEL FILTER", "FILTRE", "ADET", "MFL", 390, 20},
    {"TRIGER SETI", "TIMING BELT KIT", "MOTOR", "TAKIM", "TRS", 2450, 20},
    {"V KAYISI", "V-RIBBED BELT", "MOTOR", "ADET", "VKY", 260, 20},
    {"MOTOR TAKOZU", "ENGINE MOUNT", "MOTOR", "ADET", "MTK", 640, 20},
    {"SILINDIR KAPAK CONTASI", "CYLINDER HEAD GASKET", "MOTOR", "ADET", "SKC", 720, 20},
    {"DEVIRDAIM POMPASI", "WATER PUMP", "SOGUTMA", "ADET", "DDP", 1350, 20},
    {"TERMOSTAT", "THERMOSTAT", "SOGUTMA", "ADET", "TRM", 420, 20},
    {"RADYATOR", "RADIATOR", "SOGUTMA", "ADET", "RDY", 3200, 20},
    {"AMORTISOR ON", "SHOCK ABSORBER FRONT", "SUSPANSIYON", "ADET", "AMO", 1650, 20},
    {"AMORTISOR ARKA", "SHOCK ABSORBER REAR", "SUSPANSIYON", "ADET", "AMA", 1400, 20},
    {"TEKER RULMANI ON", "WHEEL BEARING FRONT", "SUSPANSIYON", "TAKIM", "TRO", 780, 20},
    {"ROTIL", "BALL JOINT", "ON DUZEN", "ADET", "RTL", 380, 20},
    {"ROT BASI", "TIE ROD END", "ON DUZEN", "ADET", "RTB", 340, 20},
    {"SALINCAK ON SOL", "CONTROL ARM FRONT LEFT", "ON DUZEN", "ADET", "SLC", 1250, 20},
    {"DEBRIYAJ SETI", "CLUTCH KIT", "SANZIMAN", "TAKIM", "DBS", 3900, 20},
    {"AKS KORUGU", "CV BOOT", "SANZIMAN", "TAKIM", "AKK", 230, 20},
    {"BUJI", "SPARK PLUG", "ATESLEME", "ADET", "BJI", 160, 20},
    {"ATESLEME BOBINI", "IGNITION COIL", "ATESLEME", "ADET", "ABB", 950, 20},
    {"MARS MOTORU", "STARTER MOTOR", "ELEKTRIK", "ADET", "MRS", 4200, 20},
    {"ALTERNATOR", "ALTERNATOR", "ELEKTRIK", "ADET", "ALT", 5600, 20},
    {"FAR AMPULU H7", "BULB H7", "AYDINLATMA", "ADET", "AMP", 85, 10},
    {"STOP LAMBASI SOL", "TAIL LAMP LEFT", "AYDINLATMA", "ADET", "STL", 1750, 20},
    {"SILECEK SUPURGESI", "WIPER BLADE SET", "AKSESUAR", "TAKIM", "SLK", 290, 10},
    {"MOTOR YAGI 5W-30", "ENGINE OIL 5W-30", "MADENI YAG", "LITRE", "MYG", 310, 10},
    {"ANTIFRIZ", "COOLANT", "MADENI YAG", "LITRE", "ANF", 140, 10},
    {"EGZOZ SUSTURUCU ARKA", "REAR SILENCER", "EGZOZ", "ADET", "EGS", 1900, 20},
    {"KLIMA KOMPRESORU", "A/C COMPRESSOR", "KLIMA", "ADET", "KKP", 8900, 20},
};

struct Brand {
    const char *name;
    const char *models[5];
    int oemStyle;
    double priceFactor;
};

constexpr Brand kBrands[] = {
    {"RENAULT", {"CLIO IV", "MEGANE III", "FLUENCE", "KANGOO", "SYMBOL"}, 0, 1.0},
    {"FIAT", {"DOBLO", "EGEA", "LINEA", "PUNTO", "FIORINO"}, 1, 0.95},
    {"FORD", {"FOCUS III", "FIESTA", "TRANSIT CONNECT", "COURIER", "MONDEO"}, 2, 1.1},
    {"TOYOTA", {"COROLLA", "AURIS", "YARIS", "HILUX", "C-HR"}, 3, 1.25},
    {"VOLKSWAGEN", {"GOLF VII", "PASSAT B8", "POLO", "CADDY", "TRANSPORTER T5"}, 4, 1.3},
    {"HYUNDAI", {"I20", "ACCENT BLUE", "TUCSON", "I30", "ELANTRA"}, 3, 1.05},
    {"OPEL", {"ASTRA J", "CORSA D", "INSIGNIA", "COMBO", "MOKKA"}, 5, 1.0},
    {"PEUGEOT", {"301", "308", "PARTNER", "3008", "BOXER"}, 6, 1.05},
};

const char *const kMakers[] = {"BOSCH", "VALEO", "MANN-FILTER", "SACHS", "FEBI BILSTEIN", "TRW",
                               "LEMFORDER", "MAHLE", "NGK", "GATES", "SKF", "DELPHI"};

class Gen
{
public:
    explicit Gen(quint32 seed) : m_rng(seed) {}
    int below(int n) { return int(m_rng.bounded(quint32(n))); }
    double unit() { return m_rng.generateDouble(); }
    bool chance(double p) { return unit() < p; }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s.append(QChar(u'0' + below(10)));
        return s;
    }
    QString letters(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s.append(QChar(u'A' + below(26)));
        return s;
    }
    QString oem(int style)
    {
        switch (style) {
        case 0: return QStringLiteral("77") + digits(8);
        case 1: return QStringLiteral("5") + digits(7);
        case 2: return letters(2) + digits(2) + QLatin1Char('-') + digits(1) + letters(1) + digits(3) + QLatin1Char('-') + letters(2);
        case 3: return digits(5) + QLatin1Char('-') + digits(2) + letters(1) + digits(2);
        case 4: return digits(1) + letters(1) + digits(1) + QLatin1Char(' ') + digits(3) + QLatin1Char(' ') + digits(3);
        case 5: return digits(2) + QLatin1Char(' ') + digits(3) + QLatin1Char(' ') + digits(3);
        default: return digits(4) + QLatin1Char('.') + letters(1) + digits(1);
        }
    }

private:
    QRandomGenerator m_rng;
};

void exec(QSqlDatabase &d, const char *sql, std::initializer_list<QVariant> binds)
{
    db::run(d, QString::fromUtf8(sql), binds);
}

void seedPeople(QSqlDatabase &d)
{
    exec(d, "INSERT INTO satici VALUES (?, ?, ?, ?)", {1, "Murat Kaya", "0532 414 27 18", "murat.kaya@zerdaoto.com.tr"});
    exec(d, "INSERT INTO satici VALUES (?, ?, ?, ?)", {2, "Elif Demir", "0533 625 90 41", "elif.demir@zerdaoto.com.tr"});

    struct Firm {
        int carino; const char *kod; const char *adi; int tip; int satici;
        const char *sehir, *ilce, *adres1, *adres2, *tel1, *tel2, *gsm, *fax1, *mail, *yetkili, *vd, *vn, *altgrup;
        double ind1, ind2, borc, alacak; int vade; double vadeTutar;
    };
    const Firm firms[] = {
        {1001, "120.01.001", "Yıldız Oto Yedek Parça Ltd. Şti.", 0, 1, "İstanbul", "Bayrampaşa",
         "Kocatepe Mah. Oto Sanayi Sitesi 4. Blok No: 27", "Bayrampaşa / İstanbul", "0212 567 41 20", "0212 567 41 21",
         "0532 771 20 35", "0212 567 41 22", "info@yildizoto.com.tr", "Hakan Yıldız", "Bayrampaşa", "9480321576", "BAYİ",
         10, 5, 184250.40, 171904.73, 37, 12345.67},
        {1002, "120.07.014", "Akdeniz Otomotiv San. ve Tic. A.Ş.", 3, 1, "Antalya", "Kepez",
         "Sanayi Mah. 652. Sok. No: 8", "Kepez / Antalya", "0242 345 18 90", "", "0533 218 44 10", "0242 345 18 91",
         "siparis@akdenizotomotiv.com.tr", "Serkan Aydın", "Antalya Kurumlar", "0120456789", "BAYİ",
         12.5, 0, 96420.00, 96420.00, 0, 0},
        {1003, "120.55.003", "Kuzey Oto Elektrik ve Yedek Parça", 4, 2, "Samsun", "Tekkeköy",
         "Oto Sanayi Sitesi B Blok No: 112", "Tekkeköy / Samsun", "0362 256 70 11", "", "0544 902 17 63", "",
         "kuzeyotoelektrik@gmail.com", "Oğuz Çelik", "Samsun Gazi", "5510872341", "PERAKENDE",
         8, 3, 12780.50, 9000.00, 12, 3780.50},
        {1004, "120.42.021", "Anadolu Rot Balans Otomotiv", 0, 2, "Konya", "Karatay",
         "Büsan Sanayi Sitesi Fevzi Çakmak Mah. 10538 Sok. No: 15", "Karatay / Konya", "0332 345 66 02", "", "0555 481 09 27", "",
         "anadolurot@hotmail.com", "Mehmet Öztürk", "Selçuk", "0740193825", "BAYİ",
         10, 0, 0, 0, 0, 0},
        {1005, "120.35.009", "Ege Kardan Yedek Parça Tic. Ltd. Şti.", 0, 2, "İzmir", "Bornova",
         "Işıkkent Ayakkabıcılar Sitesi 3. Cad. No: 41", "Bornova / İzmir", "0232 472 19 55", "0232 472 19 56",
         "0542 603 88 14", "0232 472 19 57", "muhasebe@egekardan.com.tr", "Gülşen Arslan", "Bornova", "3260918457", "BAYİ",
         15, 5, 58210.90, 61000.00, 0, 0},
    };
    for (const Firm &f : firms) {
        exec(d, "INSERT INTO cari (carino, carikod, cariadi, tip, saticino, sehir, ilce, adres1, adres2, ulke,"
                " tel1, tel2, gsm, fax1, fax2, email, mail, yetkili, vergidairesi, vergino, anagrup, altgrup, ozelkod,"
                " ind1, ind2, ind3, ind4, tlborc, tlalacak, vadegecen, vadetutar)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
             {f.carino, f.kod, QString::fromUtf8(f.adi), f.tip, f.satici, QString::fromUtf8(f.sehir),
              QString::fromUtf8(f.ilce), QString::fromUtf8(f.adres1), QString::fromUtf8(f.adres2), "Türkiye",
              f.tel1, f.tel2, f.gsm, f.fax1, "", f.mail, f.mail, QString::fromUtf8(f.yetkili),
              QString::fromUtf8(f.vd), f.vn, "OTOMOTİV", QString::fromUtf8(f.altgrup), f.tip == 0 ? "A" : "B",
              f.ind1, f.ind2, 0.0, 0.0, f.borc, f.alacak, f.vade, f.vadeTutar});
    }

    struct User { int sirano; const char *adi; const char *sifre; int carino; int tip; int aktif; const char *mail; QVariant satici; };
    const User users[] = {
        {1, "DEMO", "1234", 1001, 0, 1, "hakan@yildizoto.com.tr", QVariant()},
        {2, "AKDENIZ", "3333", 1002, 3, 1, "serkan@akdenizotomotiv.com.tr", QVariant()},
        {3, "KUZEY", "4444", 1003, 4, 1, "oguz@kuzeyotoelektrik.com", QVariant()},
        {4, "TEMSILCI", "1111", 1001, 1, 1, "murat.kaya@zerdaoto.com.tr", 1},
        {5, "BOLGE", "2222", 1005, 2, 1, "elif.demir@zerdaoto.com.tr", 2},
        {6, "PASIF", "9999", 1004, 0, 0, "mehmet@anadolurot.com.tr", QVariant()},
    };
    for (const User &u : users)
        exec(d, "INSERT INTO kullanici VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
             {u.sirano, u.adi, u.sifre, u.carino, u.tip, u.aktif, u.mail, u.satici});

    const char *const stations[][2] = {
        {"ZERDA-DEMO-0001", "DEMO"}, {"ZERDA-TIP3-0001", "AKDENIZ"}, {"ZERDA-TIP4-0001", "KUZEY"},
        {"ZERDA-TEMS-0001", "TEMSILCI"}, {"ZERDA-BOLG-0001", "BOLGE"}, {"ZERDA-PASF-0001", "PASIF"},
    };
    for (const auto &s : stations)
        exec(d, "INSERT INTO bilgisayar SELECT ?, sirano, ? FROM kullanici WHERE adi = ?",
             {s[0], QDateTime::currentDateTime().toString(Qt::ISODate), s[1]});
}

void seedShipping(QSqlDatabase &d)
{
    const char *const teslim[] = {"Kargo ile gönderilsin", "Depodan teslim alınacak", "Servis aracı ile gönderilsin"};
    for (int i = 0; i < 3; ++i)
        exec(d, "INSERT INTO teslim VALUES (?, ?, ?)", {i + 1, QString::fromUtf8(teslim[i]), i + 1});
    const char *const turler[] = {"Anlaşmalı Kargo", "Ambar", "Otobüs", "Kurye", "Müşteri Aracı"};
    for (int i = 0; i < 5; ++i)
        exec(d, "INSERT INTO kargoturu VALUES (?, ?, ?)", {i + 1, QString::fromUtf8(turler[i]), i + 1});
    struct Carrier { int tur; const char *adi; const char *tel; const char *uyari; };
    const Carrier carriers[] = {
        {1, "Yurtiçi Kargo", "444 99 99", "Saat 16:00'ya kadar verilen siparişler aynı gün çıkar."},
        {1, "Aras Kargo", "444 25 52", "Anlaşmalı gönderi; desi ücreti faturaya eklenir."},
        {1, "MNG Kargo", "444 06 06", ""},
        {2, "Öz Antalya Ambarı", "0212 612 40 40", "Pazartesi ve perşembe yükleme yapılır."},
        {2, "Karadeniz Ambarı", "0212 612 77 10", "Alıcı ödemeli gönderilir."},
        {3, "Kamil Koç", "444 05 62", "Otogar teslimi; alıcı kimlik ile teslim alır."},
        {3, "Metro Turizm", "444 34 55", ""},
        {4, "Zerda Kurye", "0212 567 00 90", "Sadece İstanbul Avrupa yakası; 2 saat içinde teslim."},
    };
    int no = 1;
    for (const Carrier &c : carriers)
        exec(d, "INSERT INTO kargofirma VALUES (?, ?, ?, ?, ?)",
             {no++, c.tur, QString::fromUtf8(c.adi), c.tel, QString::fromUtf8(c.uyari)});
}

void seedCatalogue(QSqlDatabase &d, int items)
{
    Gen g(20260101u);
    QSqlQuery ins(d), idx(d);
    ins.prepare(QStringLiteral(
        "INSERT INTO stok VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    idx.prepare(QStringLiteral("INSERT INTO stok_ara(rowid, metin) VALUES (?, ?)"));
    const int nParts = int(std::size(kParts));
    const int nBrands = int(std::size(kBrands));
    const int nMakers = int(std::size(kMakers));
    // New and campaign lists stay a few thousand rows, whatever the size.
    const double newShare = std::min(0.05, 1500.0 / items);
    const double campaignShare = std::min(0.08, 2000.0 / items);
    for (int i = 1; i <= items; ++i) {
        const Part &p = kParts[g.below(nParts)];
        const Brand &b = kBrands[g.below(nBrands)];
        const QString model = QString::fromLatin1(b.models[g.below(5)]);
        const QString maker = QString::fromLatin1(kMakers[g.below(nMakers)]);
        const QString adi = QString::fromLatin1(p.name) + QLatin1Char(' ') + model;
        const QString barkod = QString::fromLatin1(p.prefix) + QLatin1Char('-') + QString::number(100000 + i);
        const QString oem1 = g.oem(b.oemStyle);
        const QString oem2 = g.chance(0.6) ? g.oem(b.oemStyle) : QString();
        const QString oem3 = g.chance(0.3) ? g.oem(b.oemStyle) : QString();
        const QString oem4 = g.chance(0.15) ? g.oem(b.oemStyle) : QString();
        const QString finish = QStringLiteral("F") + g.digits(6);
        const QString uretici = g.digits(4) + QLatin1Char(' ') + g.digits(3) + QLatin1Char(' ') + g.digits(3);
        const double list = round2(p.price * b.priceFactor * (0.6 + g.unit()));
        const int k = g.chance(campaignShare) ? 1 : 0;
        const double kamp = k ? round2(list * (0.75 + 0.15 * g.unit())) : 0.0;
        const int durumRoll = g.below(100);
        const int durum = durumRoll < 55 ? 1 : durumRoll < 70 ? 0 : durumRoll < 78 ? 2 : durumRoll < 88 ? 3 : durumRoll < 94 ? 4 : 5;
        const QVariantList values = {
            i, barkod, 500000 + i, adi, QString::fromLatin1(p.other) + QLatin1Char(' ') + QString::fromLatin1(b.name),
            oem1, oem2, oem3, oem4, finish, uretici, maker + QLatin1Char(' ') + uretici,
            QStringLiteral("P") + g.digits(5), QString::fromLatin1(p.unit), QString::fromLatin1(b.name), model,
            QString::fromLatin1(p.group), maker, p.vat, list, kamp, durum,
            g.chance(newShare) ? 1 : 0, k, g.chance(0.7) ? 1 : 0,
            double(durum == 1 ? 1 + g.below(400) : 0), double(g.below(40)), double(g.below(120)),
        };
        for (const QVariant &v : values)
            ins.addBindValue(v);
        if (!ins.exec())
            throw CallError(QStringLiteral("Stok eklenemedi: %1").arg(i));
        idx.addBindValue(i);
        idx.addBindValue(itemSearchText({barkod, adi, values[4].toString(), oem1, oem2, oem3, oem4, finish,
                                         uretici, QString::fromLatin1(b.name), maker}));
        if (!idx.exec())
            throw CallError(QStringLiteral("Stok dizini eklenemedi: %1").arg(i));
    }
}

void seedBasket(QSqlDatabase &d, int items)
{
    // A started basket for the plain dealer: two lines selected, two not.
    const double today = wire::toDayNumber(QDateTime::currentDateTime());
    const int picks[][3] = {{1, 2, 1}, {7, 1, 1}, {12, 4, 0}, {25, 1, 0}}; // stokno, quantity, selected
    for (const auto &pk : picks) {
        if (pk[0] > items)
            continue;
        exec(d, "INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, k, sec, veren, tarih)"
                " SELECT 1001, stokno, barkod, adi, ?, CASE WHEN k > 0 THEN kampfiyat ELSE listefiyat END, kdv,"
                " CASE WHEN k > 0 THEN 0 ELSE 10 END, CASE WHEN k > 0 THEN 0 ELSE 5 END, 0, 0, k, ?, 1, ?"
                " FROM stok WHERE stokno = ?",
             {double(pk[1]), pk[2], today - 1.0 + pk[0] / 100.0, pk[0]});
    }
}

} // namespace

QString itemSearchText(const QStringList &fields)
{
    QStringList words;
    for (const QString &f : fields)
        addIndexWords(f, &words);
    words.removeDuplicates();
    return words.join(QLatin1Char(' '));
}

bool seedDatabase(QSqlDatabase &d, int items, QString *error)
{
    if (!db::createSchema(d, error))
        return false;
    if (db::isSeeded(d))
        return true;
    try {
        db::Transaction t(d);
        seedPeople(d);
        seedShipping(d);
        seedCatalogue(d, items);
        seedBasket(d, items);
        db::setSetting(d, QStringLiteral("beklenensurum"), QStringLiteral("8"));
        db::setSetting(d, QStringLiteral("kayanyazi"),
                       QStringLiteral("Yeni sezon fren balatası kampanyası başladı!  ·  Saat 16:00'ya kadar verilen siparişler aynı gün kargoda."));
        db::setSetting(d, QStringLiteral("tohum"), QStringLiteral("1"));
        t.commit();
    } catch (const CallError &e) {
        if (error)
            *error = e.text();
        return false;
    }
    return true;
}

bool registerWorkstation(QSqlDatabase &d, const QString &id, const QString &userName, QString *error)
{
    try {
        db::Transaction t(d);
        const QVariant user = db::scalar(d, QStringLiteral("SELECT sirano FROM kullanici WHERE adi = ?"), {userName});
        if (!user.isValid()) {
            if (error)
                *error = QStringLiteral("Kullanıcı bulunamadı: %1").arg(userName);
            return false;
        }
        db::run(d, QStringLiteral("INSERT INTO bilgisayar VALUES (?, ?, ?) "
                                  "ON CONFLICT(bilgisayarid) DO UPDATE SET kullanici = excluded.kullanici"),
                {id, user, QDateTime::currentDateTime().toString(Qt::ISODate)});
        t.commit();
    } catch (const CallError &e) {
        if (error)
            *error = e.text();
        return false;
    }
    return true;
}
