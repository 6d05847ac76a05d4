#pragma once
// Login dialog: the workstation picks the account, the user proves it with
// name and password.

#include <QDialog>
#include <functional>

class BusyIndicator;
class DSConnection;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;

class Tgirisform : public QDialog
{
    Q_OBJECT
public:
    Tgirisform(QWidget *owner, DSConnection *bagim, Session *Bilgim);

    QString idsi;          // workstation identifier, computed at creation
    DSConnection *bagim;   // the opener's connection
    Session *Bilgim;       // the opener's session record itself

    QLineEdit *adi;
    QLineEdit *sifre;
    QCheckBox *benihatirla;
    QPushButton *Button1;  // "Giriş"
    QPushButton *Button2;  // "Vazgeç"
    BusyIndicator *RxGIFAnimator1;
    QLabel *Label1;
    QLabel *Label2;

    // The steps that leave this dialog for another window; tests replace them.
    std::function<void(int version)> OfferUpdate;
    std::function<void()> ShowRequestForm;
    std::function<void()> ChooseCustomer;

    void Button1Click();
    void Button2Click();
    void LoadLogin();
    void SaveLogin();
    bool attemptRunning() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    bool adiKeyDown(int key);
    bool sifreKeyDown(int key);
    void Devamet(const QString &address);
    bool FetchAccount(DSConnection &clone);
    void evaluate(bool success);
    void failure(const QString &text, int kind);
    static QString GetExternalIp();
};

// The real windows behind OfferUpdate and ShowRequestForm.
void DefaultOfferUpdate(QWidget *owner, DSConnection *bag, int version);
void DefaultShowRequestForm(QWidget *owner);
