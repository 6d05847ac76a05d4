#include "onaysip.h"

#include "async.h"
#include "callframe.h"
#include "messages.h"
#include "session.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// ---- radio group ---------------------------------------------------------

TRadioGrubu::TRadioGrubu(const QString &caption, QWidget *parent)
    : QWidget(parent), m_box(new QGroupBox(caption)), m_group(new QButtonGroup(this))
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_box);
    new QVBoxLayout(m_box);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &TRadioGrubu::clicked);
}

void TRadioGrubu::clear()
{
    for (QRadioButton *b : std::as_const(m_buttons)) {
        m_group->removeButton(b);
        delete b;
    }
    m_buttons.clear();
    m_ids.clear();
}

void TRadioGrubu::add(const QString &text, int id)
{
    auto *b = new QRadioButton(text);
    // Button ids are positions; the server's id may be any number.
    m_group->addButton(b, int(m_buttons.size()));
    m_box->layout()->addWidget(b);
    m_buttons << b;
    m_ids << id;
}

int TRadioGrubu::itemIndex() const
{
    return m_group->checkedId();
}

void TRadioGrubu::setItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size()) {
        if (QAbstractButton *b = m_group->checkedButton()) {
            m_group->setExclusive(false);
            b->setChecked(false);
            m_group->setExclusive(true);
        }
        return;
    }
    m_buttons[index]->setChecked(true);
}

QString TRadioGrubu::text(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index]->text() : QString();
}

QRadioButton *TRadioGrubu::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

// ---- dialog --------------------------------------------------------------

QString TONAYSIP::ozetMetni(const QString &kullanici, const QString &cari, const QString &toplam)
{
    return QStringLiteral("Kullanıcı: ") + kullanici + u'\n' + QStringLiteral("Cari     : ") + cari + u'\n'
        + QStringLiteral("Tutar    : ") + toplam;
}

std::unique_ptr<TONAYSIP> TONAYSIP::Ac(QWidget *owner, DSConnection &_c, const QString &mesaj, const Session &_sbilgi,
                                       const QString &_toplam)
{
    auto d = std::make_unique<TONAYSIP>(owner, _c, mesaj, _sbilgi, _toplam);
    d->SecenekleriGetir();
    return d;
}

TONAYSIP::TONAYSIP(QWidget *owner, DSConnection &_c, const QString &mesaj, const Session &_sbilgi,
                   const QString &_toplam)
    : QDialog(owner, Qt::Tool), bagc(&_c), sbilgi(&_sbilgi), toplam(_toplam)
{
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setObjectName(QStringLiteral("ONAYSIP"));
    setMinimumWidth(560);
    auto *root = new QVBoxLayout(this);

    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    // The blanks in the summary line the colons up; that needs even letters.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setBold(true);
    Label2->setFont(fixed);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    root->addWidget(Label2);

    Label3 = new QLabel;
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setStyleSheet(QStringLiteral("color:#c0392b; font-weight:bold;"));
    root->addWidget(Label3);

    auto *choices = new QHBoxLayout;
    teslimbox = new TRadioGrubu(QStringLiteral("Teslim Durumu"));
    teslimbox->setObjectName(QStringLiteral("teslimbox"));
    boxkargo = new TRadioGrubu(QStringLiteral("Kargo Türleri"));
    boxkargo->setObjectName(QStringLiteral("boxkargo"));
    choices->addWidget(teslimbox, 1);
    choices->addWidget(boxkargo, 1);
    root->addLayout(choices);

    auto *kargoBox = new QGroupBox(QStringLiteral("Kargo"));
    auto *kargoLayout = new QVBoxLayout(kargoBox);
    kargocombo = new QComboBox;
    kargocombo->setObjectName(QStringLiteral("kargocombo"));
    kargocombo->setEditable(false);
    uyarikargo = new QLabel;
    uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo->setWordWrap(true);
    kargoLayout->addWidget(kargocombo);
    kargoLayout->addWidget(uyarikargo);
    root->addWidget(kargoBox);

    auto *mesajBox = new QGroupBox(QStringLiteral("Mesaj"));
    auto *mesajLayout = new QVBoxLayout(mesajBox);
    aciklamagir = new QPlainTextEdit;
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    aciklamagir->setTabChangesFocus(true);
    aciklamagir->setFixedHeight(80);
    mesajLayout->addWidget(aciklamagir);
    root->addWidget(mesajBox);

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"));
    Label1->setObjectName(QStringLiteral("Label1"));
    root->addWidget(Label1);

    auto *buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Evet"));
    Button2 = new QPushButton(QStringLiteral("Hayır"));
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(34);
    }
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    root->addLayout(buttons);

    // Server errors of a handler end in the error report, never in the event loop.
    connect(boxkargo, &TRadioGrubu::clicked, this, [this] { guarded([this] { boxkargoClick(); }); });
    connect(kargocombo, &QComboBox::activated, this, [this] { guarded([this] { kargocomboChange(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    Label3->setText(mesaj);
    const TSonucBilgisi s = sbilgi->snapshot();
    Label2->setText(ozetMetni(s.ADI(), s.CariAdi(), toplam));
}

TONAYSIP::~TONAYSIP() = default;

void TONAYSIP::SecenekleriGetir()
{
    TableData teslim, kargoTurleri;
    bool got = false;
    CallServerOnClone(*bagc, 1, [&](TServerMethods1Client &proxy) {
        if (TableData *t = proxy.TeslimVer())
            teslim = *t;
        if (TableData *t = proxy.KargoVer())
            kargoTurleri = *t;
        got = true;
    });
    if (!got)
        return;
    const auto doldur = [](TRadioGrubu *group, const TableData &t) {
        group->clear();
        if (t.columnCount() < 2)
            return;
        for (int r = 0; r < t.rowCount(); ++r)
            group->add(t.stringValue(r, 1), int(t.intValue(r, 0)));
    };
    doldur(teslimbox, teslim);
    teslimbox->setItemIndex(teslimbox->count() >= 2 ? 1 : teslimbox->count() == 1 ? 0 : -1);
    doldur(boxkargo, kargoTurleri);
}

void TONAYSIP::boxkargoClick()
{
    uyarikargo->clear();
    const int index = boxkargo->itemIndex();
    if (index >= 0)
        KargolariGetir(boxkargo->id(index));
}

void TONAYSIP::KargolariGetir(int id)
{
    // The carriers of the type chosen before go first: were this load to
    // fail, one of them must not be sent with the new type.
    kargocombo->clear();
    kargo.Close();
    TableData carriers;
    bool got = false;
    CallServer(*bagc, 1, [&](TServerMethods1Client &proxy) {
        if (TableData *t = proxy.KargolarVer(id))
            carriers = *t;
        got = true;
    });
    if (!got)
        return;
    kargo.loadFromReader(carriers);
    kargocombo->addItem(QStringLiteral(" "));
    const int adi = carriers.indexOf(QStringLiteral("ADI"));
    if (adi >= 0) {
        for (int r = 0; r < carriers.rowCount(); ++r)
            kargocombo->addItem(carriers.stringValue(r, adi));
    }
    if (kargocombo->count() == 2) {
        kargocombo->setCurrentIndex(1);
        kargocomboChange();
    }
}

int TONAYSIP::kargoSatiri(const QString &adi) const
{
    const TableData &t = kargo.data();
    const int col = t.indexOf(QStringLiteral("ADI"));
    if (!kargo.Active() || col < 0)
        return -1;
    for (int r = 0; r < t.rowCount(); ++r) {
        if (t.stringValue(r, col) == adi)
            return r;
    }
    return -1;
}

void TONAYSIP::kargocomboChange()
{
    const int row = kargoSatiri(kargocombo->currentText());
    const int col = kargo.data().indexOf(QStringLiteral("UYARI"));
    uyarikargo->setText(row >= 0 && col >= 0 && !kargo.data().isNull(row, col) ? kargo.data().stringValue(row, col)
                                                                                : QString());
}

void TONAYSIP::Button1Click()
{
    if (teslimbox->itemIndex() < 0) {
        ShowWarning(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
        return;
    }
    if (boxkargo->itemIndex() < 0) {
        ShowWarning(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
        return;
    }
    // The blank first entry, or a name that is not among the loaded carriers.
    const int row = kargocombo->currentIndex() > 0 ? kargoSatiri(kargocombo->currentText()) : -1;
    const int sirano = kargo.data().indexOf(QStringLiteral("SIRANO"));
    if (row < 0 || sirano < 0) {
        ShowWarning(QStringLiteral("Lütfen Kargo  Seçiniz !"));
        kargocombo->setFocus();
        return;
    }
    KN = int(kargo.data().intValue(row, sirano));
    td = teslimbox->id(teslimbox->itemIndex());
    kt = boxkargo->id(boxkargo->itemIndex());
    accept();
}

void TONAYSIP::Button2Click()
{
    reject();
}
