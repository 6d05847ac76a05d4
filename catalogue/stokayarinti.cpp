#include "stokayarinti.h"

#include "theme.h"

#include "asyncresim.h"
#include "deployment.h"
#include "messages.h"
#include "numfmt.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

// ---- arithmetic ----------------------------------------------------------

double IndirimUygula(double brut, const IndirimOranlari &oranlar)
{
    double net = brut;
    for (double r : oranlar) {
        if (r > 0)
            net = net - net * r / 100;
    }
    return net;
}

bool IndirimVarmi(const IndirimOranlari &oranlar)
{
    return oranlar[0] + oranlar[1] + oranlar[2] + oranlar[3] > 1;
}

double KdvCikar(double fiyat)
{
    return fiyat / 1.2;
}

int PaketYuvarla(int adet, int koliadet)
{
    if (koliadet <= 0)
        return adet;
    const int kalan = adet % koliadet;
    return kalan > 0 ? adet + koliadet - kalan : adet;
}

Tutarlar TutarHesapla(double birimFiyat, int adet, const IndirimOranlari &oranlar, double kdvOran)
{
    Tutarlar t;
    t.brut = birimFiyat * adet;
    const double net = IndirimUygula(t.brut, oranlar);
    t.indirim = t.brut - net;
    t.netToplam = RoundTo2(net);
    t.netBirim = adet != 0 ? RoundTo2(t.netToplam / adet) : 0.0;
    t.kdvDahil = RoundTo2(t.netBirim * (1 + kdvOran / 100));
    t.genelTutar = RoundTo2(t.kdvDahil * adet);
    return t;
}

const char *const kAdetHataMetni = "Adet geçerli bir sayı değil. Lütfen 1 ile 10000 arasında bir adet giriniz.";

std::optional<int> AdetOku(const QString &text)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    for (QChar c : s) {
        if (!c.isDigit())
            return std::nullopt;
    }
    bool ok = false;
    const int n = s.toInt(&ok);
    if (!ok || n < kAdetEnAz || n > kAdetEnCok)
        return std::nullopt;
    return n;
}

static const QLocale &turkce()
{
    static const QLocale l(QLocale::Turkish, QLocale::Turkey);
    return l;
}

QString ParaMetni(double value)
{
    return formatFloat(moneyFormat(), value, turkce());
}

bool ParaOku(const QString &text, double *value)
{
    QString s = text.trimmed();
    s.remove(u' ');
    s.remove(QChar(0x00A0));
    if (s.isEmpty()) {
        *value = 0;
        return true;
    }
    if (s.contains(u',')) {
        s.remove(u'.');
        s.replace(u',', u'.');
    } else if (s.count(u'.') > 1 || (s.count(u'.') == 1 && s.size() - s.indexOf(u'.') - 1 == 3)) {
        // "1.234": thousands separators without decimals
        s.remove(u'.');
    }
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

// ---- money box -----------------------------------------------------------

TParaKutusu::TParaKutusu(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Figures the user cannot change look it.
    setStyleSheet(QStringLiteral("TParaKutusu[readOnly=\"true\"] { background:#eef2f7; color:#1d2b4a; }"));
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^-?[0-9.]*,?[0-9]*$")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString &t) {
        double v = 0;
        m_value = ParaOku(t, &v) ? v : 0.0;
    });
    showFormatted();
}

void TParaKutusu::setValue(double v)
{
    m_value = v;
    if (hasFocus() && !isReadOnly())
        setText(QString::number(RoundTo2(v), 'f', 2).replace(u'.', u','));
    else
        showFormatted();
}

void TParaKutusu::showFormatted()
{
    setText(ParaMetni(m_value));
}

void TParaKutusu::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ReadOnlyChange) {
        style()->unpolish(this);
        style()->polish(this);
    }
    QLineEdit::changeEvent(e);
}

void TParaKutusu::focusInEvent(QFocusEvent *e)
{
    // Plain digits while editing, as a currency box does.
    if (!isReadOnly())
        setText(QString::number(RoundTo2(m_value), 'f', 2).replace(u'.', u','));
    QLineEdit::focusInEvent(e);
}

void TParaKutusu::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    showFormatted();
}

void TParaKutusu::keyPressEvent(QKeyEvent *e)
{
    // Either point key gives the decimal comma.
    if (!isReadOnly() && (e->text() == QLatin1String(".") || e->key() == Qt::Key_Period)) {
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, e->modifiers(), QStringLiteral(","));
        QLineEdit::keyPressEvent(&comma);
        e->setAccepted(comma.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

// ---- placeholder ---------------------------------------------------------

QImage yerTutucuResim(const QSize &size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(img.rect()).adjusted(2, 2, -2, -2);
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, QColor(0xf5, 0xf7, 0xfa));
    bg.setColorAt(1, QColor(0xe2, 0xe8, 0xf0));
    p.setPen(QPen(QColor(0xc9, 0xd3, 0xe0), 1.5));
    p.setBrush(bg);
    p.drawRoundedRect(r, 10, 10);

    // A framed landscape: the usual "no picture yet" sign.
    const qreal side = std::min(r.width(), r.height()) * 0.42;
    const QRectF frame(r.center().x() - side / 2, r.center().y() - side / 2 - side * 0.12, side, side * 0.78);
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xbd), std::max(1.5, side / 28)));
    p.setBrush(QColor(0xfb, 0xfc, 0xfe));
    p.drawRoundedRect(frame, side / 12, side / 12);
    QPainterPath hills;
    hills.moveTo(frame.left() + side * 0.08, frame.bottom() - side * 0.08);
    hills.lineTo(frame.left() + side * 0.38, frame.top() + side * 0.36);
    hills.lineTo(frame.left() + side * 0.56, frame.top() + side * 0.54);
    hills.lineTo(frame.left() + side * 0.70, frame.top() + side * 0.44);
    hills.lineTo(frame.right() - side * 0.08, frame.bottom() - side * 0.08);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xc4, 0xd6));
    p.drawPath(hills);
    p.setBrush(QColor(0xf2, 0xb7, 0x48));
    p.drawEllipse(QPointF(frame.right() - side * 0.24, frame.top() + side * 0.2), side * 0.08, side * 0.08);

    QFont f = p.font();
    f.setPixelSize(std::max(9, int(side / 6)));
    p.setFont(f);
    p.setPen(QColor(0x7a, 0x88, 0x9e));
    p.drawText(QRectF(r.left(), frame.bottom() + side * 0.06, r.width(), side * 0.3), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Resim Yok"));
    return img;
}

// ---- dialog --------------------------------------------------------------


std::unique_ptr<Tstokayarinti> Tstokayarinti::Ac(QWidget *owner, int _stokno)
{
    return std::make_unique<Tstokayarinti>(owner, _stokno);
}

Tstokayarinti::Tstokayarinti(QWidget *owner, int _stokno)
    : QDialog(owner), stokno(_stokno)
{
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setObjectName(QStringLiteral("stokayarinti"));
    setMinimumWidth(540);
    auto *root = new QVBoxLayout(this);

    // Header: picture on the left, item text on the right.
    auto *top = new QHBoxLayout;
    auto *pictureCell = new QGridLayout;
    Image1 = new TResim;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(220, 200);
    Image1->setPicture(yerTutucuResim(QSize(220, 200)));
    AsyncResim1 = new TAsyncResim;
    AsyncResim1->setObjectName(QStringLiteral("AsyncResim1"));
    AsyncResim1->setFixedSize(220, 200);
    pictureCell->addWidget(Image1, 0, 0);
    pictureCell->addWidget(AsyncResim1, 0, 0); // over Image1, clear where empty
    top->addLayout(pictureCell);

    auto *header = new QFormLayout;
    barkod = valueLabel(true);
    adi = valueLabel(true);
    finishkod = valueLabel(true);
    marka = valueLabel(true);
    model = valueLabel(true);
    header->addRow(captionLabel(QStringLiteral("Barkod:")), barkod);
    header->addRow(captionLabel(QStringLiteral("Açıklama:")), adi);
    header->addRow(captionLabel(QStringLiteral("Finish Kod:")), finishkod);
    header->addRow(captionLabel(QStringLiteral("Marka:")), marka);
    header->addRow(captionLabel(QStringLiteral("Model:")), model);
    top->addLayout(header, 1);
    root->addLayout(top);

    // Figures
    auto *figures = new QGridLayout;
    adet = new QSpinBox;
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(kAdetEnAz, kAdetEnCok);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight);
    Label2 = captionLabel(QStringLiteral("Fiyat:"));
    birimfiyat = new TParaKutusu;
    birimfiyat->setObjectName(QStringLiteral("birimfiyat"));
    indirimoran = captionLabel(QStringLiteral("İndirim:"));
    indtutar = new TParaKutusu;
    indtutar->setObjectName(QStringLiteral("indtutar"));
    kdvdahiltutar = new TParaKutusu;
    kdvdahiltutar->setObjectName(QStringLiteral("kdvdahiltutar"));
    geneltutar = new TParaKutusu;
    geneltutar->setObjectName(QStringLiteral("geneltutar"));
    for (TParaKutusu *computed : {indtutar, kdvdahiltutar, geneltutar})
        computed->setReadOnly(true);
    QFont bold = geneltutar->font();
    bold.setBold(true);
    geneltutar->setFont(bold);
    figures->addWidget(captionLabel(QStringLiteral("Adet:")), 0, 0);
    figures->addWidget(adet, 0, 1);
    figures->addWidget(Label2, 1, 0);
    figures->addWidget(birimfiyat, 1, 1);
    figures->addWidget(indirimoran, 2, 0);
    figures->addWidget(indtutar, 2, 1);
    figures->addWidget(captionLabel(QStringLiteral("KDV Dahil:")), 3, 0);
    figures->addWidget(kdvdahiltutar, 3, 1);
    figures->addWidget(captionLabel(QStringLiteral("Tutar:")), 4, 0);
    figures->addWidget(geneltutar, 4, 1);
    figures->setColumnStretch(1, 1);
    root->addLayout(figures);

    GridPanel2 = new QWidget;
    GridPanel2->setObjectName(QStringLiteral("GridPanel2"));
    auto *rates = new QGridLayout(GridPanel2);
    rates->setContentsMargins(0, 0, 0, 0);
    edindirim1 = new TParaKutusu;
    edindirim2 = new TParaKutusu;
    edindirim3 = new TParaKutusu;
    edindirim4 = new TParaKutusu;
    const QString captions[] = {QStringLiteral("İsk"), QStringLiteral("İsk2"), QStringLiteral("İsk3"), QStringLiteral("İsk4")};
    TParaKutusu *boxes[] = {edindirim1, edindirim2, edindirim3, edindirim4};
    for (int i = 0; i < 4; ++i) {
        boxes[i]->setObjectName(QStringLiteral("edindirim%1").arg(i + 1));
        rates->addWidget(captionLabel(captions[i]), 0, i);
        rates->addWidget(boxes[i], 1, i);
    }
    GridPanel2->hide();
    root->addWidget(GridPanel2);

    auto *buttons = new QHBoxLayout;
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"));
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"));
    // Enter belongs to the boxes: only the quantity box confirms with it.
    for (QPushButton *b : {ParcaliTus1, ParcaliTus2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumHeight(34);
    }
    buttons->addStretch();
    buttons->addWidget(ParcaliTus1);
    buttons->addWidget(ParcaliTus2);
    root->addLayout(buttons);

    setFiyatDuzenlenebilir(false);

    connect(adet, &QSpinBox::textChanged, this, [this] { TutarHesapla(); });
    connect(ParcaliTus1, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus1Click);
    connect(ParcaliTus2, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus2Click);
    adet->installEventFilter(this);
    for (TParaKutusu *box : {birimfiyat, indtutar, kdvdahiltutar, geneltutar, edindirim1, edindirim2, edindirim3, edindirim4})
        box->installEventFilter(this);
    setTabOrder(adet, birimfiyat);
}

Tstokayarinti::~Tstokayarinti() = default;

void Tstokayarinti::setKoliadet(int n)
{
    if (n < 1)
        n = 1;
    m_koliadet = n;
    adet->setSingleStep(n);
    adet->setMinimum(n);
    adet->setValue(n);
}

IndirimOranlari Tstokayarinti::oranlar() const
{
    return {edindirim1->value(), edindirim2->value(), edindirim3->value(), edindirim4->value()};
}

void Tstokayarinti::setOranlar(const IndirimOranlari &r)
{
    edindirim1->setValue(r[0]);
    edindirim2->setValue(r[1]);
    edindirim3->setValue(r[2]);
    edindirim4->setValue(r[3]);
}

void Tstokayarinti::setFiyatDuzenlenebilir(bool editable)
{
    for (TParaKutusu *box : {birimfiyat, edindirim1, edindirim2, edindirim3, edindirim4})
        box->setReadOnly(!editable);
}

std::optional<int> Tstokayarinti::miktar() const
{
    return AdetOku(adet->text());
}

void Tstokayarinti::TutarHesapla()
{
    const Tutarlar t = ::TutarHesapla(birimfiyat->value(), miktar().value_or(0), oranlar(), kdvoran);
    indtutar->setValue(t.indirim);
    kdvdahiltutar->setValue(t.kdvDahil);
    geneltutar->setValue(t.genelTutar);
}

void Tstokayarinti::KdvCikar()
{
    // Also on a read-only price: the box is locked against typing only. The
    // server prices a customer's line itself whatever price comes with it.
    birimfiyat->setValue(::KdvCikar(birimfiyat->value()));
}

void Tstokayarinti::FormShow()
{
    TutarHesapla();
    m_indirimGorunur = IndirimVarmi(oranlar());
    indirimoran->setVisible(m_indirimGorunur);
    indtutar->setVisible(m_indirimGorunur);
    AsyncResim1->setUrl(TAsyncResim::resimAdresi(Deployment::current().webSiteBase, stokno));
}

void Tstokayarinti::FormActivate()
{
    adet->setFocus();
    adet->selectAll();
}

void Tstokayarinti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_gosterildi) {
        m_gosterildi = true;
        FormShow();
    }
    FormActivate();
}

void Tstokayarinti::adetExit()
{
    if (const auto q = miktar()) {
        const int rounded = PaketYuvarla(*q, m_koliadet);
        if (rounded != *q)
            adet->setValue(rounded);
    }
}

void Tstokayarinti::onayla()
{
    if (!miktar()) {
        ShowError(QString::fromUtf8(kAdetHataMetni));
        adet->setFocus();
        adet->selectAll();
        return;
    }
    accept();
}

void Tstokayarinti::ParcaliTus1Click()
{
    adetExit();
    onayla();
}

void Tstokayarinti::ParcaliTus2Click()
{
    reject();
}

bool Tstokayarinti::eventFilter(QObject *watched, QEvent *e)
{
    const bool enter = e->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent *>(e)->key() == Qt::Key_Return || static_cast<QKeyEvent *>(e)->key() == Qt::Key_Enter);
    if (watched == adet) {
        if (enter) {
            onayla();
            return true;
        }
        if (e->type() == QEvent::FocusOut)
            adetExit();
        return false;
    }
    if (watched == birimfiyat && enter)
        return true;
    if (e->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent *>(e)->key() == Qt::Key_F4)
            KdvCikar();
        TutarHesapla();
    }
    return false;
}
