#pragma once
// Request window: the distributor's web page in an embedded browser.

#include <QDialog>
#include <QUrl>

class QPushButton;
class QWebEngineView;

class Tformistekyeni : public QDialog
{
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget *owner);
    QWebEngineView *sitem;
    QPushButton *Kapat;
    void navigate(const QUrl &address);
    QUrl address() const { return m_address; }

    // "<web site>/formmailgonder.aspx?carino=0&kullanici= &id=<id>" with the
    // identifier appended as it is.
    static QString requestPageAddress(const QString &webSiteBase, const QString &workstationId);

private:
    QUrl m_address;
};
