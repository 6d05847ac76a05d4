#pragma once
// The program's status icons, drawn in code so they stay crisp at any scale.
// Grids and the stock-status legend of the main window share these sets.
// Call only after the QApplication exists.

#include "iconset.h"

namespace StatusIcons {

// DURUM: 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş", 5 "Tedarik Sürecinde".
const IconSet &availability();
// RESIM: 1 "Var" (camera); 0 has no icon.
const IconSet &picture();
// Y: 1 "Evet" (new badge); 0 has no icon.
const IconSet &newItem();
// K: 1 "Evet" (campaign badge); 0 has no icon.
const IconSet &campaign();

} // namespace StatusIcons
