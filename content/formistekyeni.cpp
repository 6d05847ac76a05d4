#include "formistekyeni.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

Tformistekyeni::Tformistekyeni(QWidget *owner)
    : QDialog(owner)
{
    resize(780, 555);
    sitem = new QWebEngineView(this);
    Kapat = new QPushButton(QStringLiteral("Kapat"));
    connect(Kapat, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Kapat);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 6);
    root->addWidget(sitem, 1);
    root->addLayout(buttons);
}

void Tformistekyeni::navigate(const QUrl &address)
{
    m_address = address;
    sitem->load(address);
}

QString Tformistekyeni::requestPageAddress(const QString &webSiteBase, const QString &workstationId)
{
    return webSiteBase + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + workstationId;
}
