#include "clientfixture.h"

#include "baskettab.h"
#include "callframe.h"
#include "deployment.h"
#include "fakeseams.h"
#include "program.h"
#include "stocklists.h"
#include "testserver.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

ClientFixture::ClientFixture(TestServer &server, const QString &user)
    : form(std::make_unique<TForm1>())
{
    Deployment::current().serverHost = QStringLiteral("127.0.0.1");
    Deployment::current().webSiteBase = QStringLiteral("http://127.0.0.1:%1/").arg(server.httpPort());
    form->bagc.Params["HostName"] = QStringLiteral("127.0.0.1");
    form->bagc.Params["Port"] = QString::number(server.port());
    installSubsystems(*form);
    lists = form->findChild<StockLists *>();
    basket = form->findChild<BasketTab *>();

    const QString workstation = QStringLiteral("FIXTURE-") + user;
    if (!server.registerWorkstation(workstation, user))
        qFatal("could not register the test workstation");
    CallServer(form->bagc, 1, [&](TServerMethods1Client &proxy) {
        if (const TSonucBilgisi *account = proxy.BuyukGetir(workstation))
            form->sbilgi.Kopyala(*account);
    });
    form->resize(1600, 900);
    form->show();
    form->ShapeForCustomerType(form->sbilgi.snapshot().MusteriTipi());
}

ClientFixture::~ClientFixture()
{
    waitForBackgroundTasks();
}

void ClientFixture::search(const QString &text)
{
    form->araedit->setText(text);
    QTest::keyClick(form->araedit, Qt::Key_Return);
    waitForBackgroundTasks();
}

void ClientFixture::show(QWidget *tab)
{
    form->activateTab(tab);
    waitForBackgroundTasks();
}
