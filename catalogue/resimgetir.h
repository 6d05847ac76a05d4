#pragma once
// An item's picture through the application server ("TServerMethods1.ResimVer5"),
// loaded synchronously into a picture control.

class DSConnection;
class TForm1;
class TResim;

// Opens `bagc` (report 1), fetches the JPEG of `stokno` and puts it into
// `target`. Size 0 or a stream of another size shows nothing; any other
// error is shown in a plain message box as "<class>: <message>".
void ResimGetir(DSConnection &bagc, int stokno, TResim *target);
void ResimGetir(TForm1 &form, int stokno, TResim *target);
