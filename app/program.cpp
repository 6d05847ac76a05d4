#include "program.h"

#include "baskettab.h"
#include "itementry.h"
#include "mainwindow.h"
#include "stocklists.h"

void installSubsystems(TForm1 &form)
{
    new StockLists(form); // owned by the window
    new BasketTab(form);
    installItemEntry(form);
}
