#pragma once
// The main window: header, search bar, stock-status legend, the ten tabs,
// the general menu and the bottom tickers. It holds the session, the main
// connection and the datasets for the whole run; each tab's view is built by
// its own subsystem and registers its show handler here.

#include "clientdataset.h"
#include "connection.h"
#include "session.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <vector>

class BusyIndicator;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Start-up: identity, connection, login, shaping, start-up load.
    void FormCreate();
    void RunLogin();
    void ShapeForCustomerType(int musteriTipi);
    void AnaBilgiAl();
    void StartStartupLoad();
    void G1Click();

    // Session and connection, alive for the whole run.
    DSConnection bagc;
    Session sbilgi;
    int _acilisadet = 0;
    bool _acilisgoruldu = false;

    TClientDataSet stok, YENILER, kampstok, sepet, ONCEKILER, EKSTRE, duyurular;

    // Header
    QLabel *kullanicilbl, *cariadilbl, *saticilbl;
    QLabel *GifResim1;
    QToolButton *Button3;
    QMenu *Genelmenu;
    QAction *M1, *N4, *WebSiteItem, *G1, *R1;
    // Search bar
    QToolButton *SpeedButton1, *SpeedButton2;
    QLineEdit *araedit;
    BusyIndicator *gifstokara, *gifyeniler, *gifkampanyali, *gifduyuru, *gifekstre, *gifoncekiler, *gifsepet;
    QPushButton *musteritus;
    // Tabs
    QTabWidget *sPageControl1;
    QWidget *sstoklistesi, *ssepet, *sonceki, *sccariekstre, *syeniler, *skampanyali, *sTabSheetduyuru,
        *sTabbakiyeler, *ss, *tabiletisim;
    // Bottom tickers
    QLabel *kayanyazi, *RealTimeMarquee1;

    // "count=title", or the title alone when count < 0.
    static QString tabCaption(const QString &title, int count);
    void setTabCaption(QWidget *tab, const QString &caption);
    QString tabText(QWidget *tab) const;
    bool isTabShown(QWidget *tab) const;
    void activateTab(QWidget *tab);
    QVBoxLayout *tabLayout(QWidget *tab) const;

    // Registered by the subsystems.
    void onTabShown(QWidget *tab, std::function<void()> handler);
    void onRoleShaping(std::function<void(int musteriTipi)> shaper);
    void addStartupLoader(std::function<void()> loader); // runs on the start-up worker
    std::function<void()> offerOpeningScreens;           // UI half of the start-up load

    // Operations one subsystem offers the others, set when each is installed.
    std::function<void()> SepetGetir;                   // basket: load `sepet` (UI thread)
    std::function<void()> SepetGorunumYenile;           // basket: reload, tab caption, totals
    std::function<void(int sirano)> SepetSatirDegistir; // item entry for a basket line
    std::function<void(int stokno)> ShowOrderMovements; // the item's order history

    // Login step; tests replace it to skip the dialog.
    std::function<bool()> loginDialog;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeader(QVBoxLayout *root);
    void buildSearchBar(QVBoxLayout *root);
    void buildLegend(QVBoxLayout *root);
    void buildTabs(QVBoxLayout *root);
    void buildBottom(QVBoxLayout *root);
    QWidget *addTab(const QString &objectName, const QString &caption);
    bool showLoginDialog();

    QHash<QWidget *, std::function<void()>> m_showHandlers;
    std::vector<std::function<void(int)>> m_roleShapers;
    std::vector<std::function<void()>> m_startupLoaders;
};
