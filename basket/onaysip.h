#pragma once
// Order confirmation "Sipariş Onay": who orders for whom and for how much,
// the customer's warning, and the delivery state, cargo type and carrier
// the order goes with.

#include "clientdataset.h"

#include <QDialog>
#include <QList>
#include <memory>

class DSConnection;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Session;

// A radio group whose entries carry the server's integer ids.
class TRadioGrubu : public QWidget
{
    Q_OBJECT
public:
    TRadioGrubu(const QString &caption, QWidget *parent = nullptr);
    void clear();
    void add(const QString &text, int id);
    int count() const { return int(m_ids.size()); }
    int itemIndex() const;            // -1 when none is chosen
    void setItemIndex(int index);     // -1 clears
    int id(int index) const { return m_ids.value(index); }
    QString text(int index) const;
    QRadioButton *button(int index) const;

signals:
    void clicked(int index);

private:
    QGroupBox *m_box;
    QButtonGroup *m_group;
    QList<int> m_ids;
    QList<QRadioButton *> m_buttons;
};

class TONAYSIP : public QDialog
{
    Q_OBJECT
public:
    // Builds the dialog, writes the summary and loads the choices.
    static std::unique_ptr<TONAYSIP> Ac(QWidget *owner, DSConnection &_c, const QString &mesaj,
                                        const Session &_sbilgi, const QString &_toplam);
    TONAYSIP(QWidget *owner, DSConnection &_c, const QString &mesaj, const Session &_sbilgi, const QString &_toplam);
    ~TONAYSIP() override;

    DSConnection *bagc;
    const Session *sbilgi;
    QString toplam;
    int td = 0;  // delivery state id, set on confirm
    int kt = 0;  // cargo type id, set on confirm
    int KN = 0;  // carrier SIRANO, set on confirm

    TRadioGrubu *teslimbox, *boxkargo;
    QComboBox *kargocombo;
    QLabel *uyarikargo;
    QPlainTextEdit *aciklamagir;
    QLabel *Label2, *Label3, *Label1;
    QPushButton *Button1, *Button2;
    TClientDataSet kargo;

    // "Kullanıcı: ..", "Cari     : ..", "Tutar    : .."
    static QString ozetMetni(const QString &kullanici, const QString &cari, const QString &toplam);

    void SecenekleriGetir();
    void boxkargoClick();
    void KargolariGetir(int id);
    void kargocomboChange();
    void Button1Click();
    void Button2Click();

private:
    int kargoSatiri(const QString &adi) const; // first row with that ADI, -1 when none
};
