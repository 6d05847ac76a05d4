#pragma once
// A logged-in main window with every subsystem installed, talking to a
// stand-in server started for the test.

#include "mainwindow.h"

#include <memory>

class BasketTab;
class StockLists;
class TestServer;

struct ClientFixture {
    // Registers a workstation for `user`, fetches the account as the login
    // does and shapes the window for its customer type.
    explicit ClientFixture(TestServer &server, const QString &user = QStringLiteral("DEMO"));
    ~ClientFixture();

    std::unique_ptr<TForm1> form;
    StockLists *lists = nullptr;
    BasketTab *basket = nullptr;

    // Types into the search box and presses Enter, then waits for the search.
    void search(const QString &text);
    // Makes `tab` current and waits for its load.
    void show(QWidget *tab);
};
