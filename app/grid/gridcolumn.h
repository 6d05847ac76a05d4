#pragma once
// One row of a grid's column table. Every list window declares its columns as
// a static array of these and hands it to DataGrid; nothing else about the
// columns is written in code.
//
//   static const GridColumn kColumns[] = {
//       {"DURUM", "Durum", 1, Show::Yes, Kind::Icon, &StatusIcons::availability},
//       {"BARKOD", "Barkod", 2, Show::Yes},
//       {"DPKOD", {}, 2, Show::Yes, Kind::Text, {}, {}, {.minWidth = 404, .fixedWidth = true,
//                                                        .movable = false, .filterable = false}},
//       {"INDIRIMYAZI", "İndirim Oran", 2, Show::Yes, Kind::Text, {}, Qt::AlignCenter},
//       {{}, "Fiyat Bilgisi", 2, Show::Available, Kind::Custom, {}, {}, {.name = "FiyatBilgisi"}},
//   };

#include <QString>
#include <Qt>

class IconSet;

enum class Show {
    Yes,       // shown, and the user may hide it in the column chooser
    Always,    // shown, not offered in the column chooser (e.g. the "Seç" check box)
    Available, // hidden, offered in the column chooser
    Never,     // hidden and not offered
};

enum class Kind {
    Text,   // the field's display text
    Icon,   // the icon of the field's integer value, centred, no text
    Check,  // a read-only check box, ticked when the value is 1
    Custom, // drawn by the window (DataGrid::setCustomPainter)
};

// Less common column properties, grouped so that the usual row stays short.
struct ColumnFlags {
    QString name = {};           // key of a column without a field
    bool headerCaptionHidden = false;
    int minWidth = 0;
    bool fixedWidth = false;     // the user cannot resize it
    bool movable = true;
    bool filterable = true;      // header filter button
};

struct GridColumn {
    QString field = {};          // dataset field; empty for an unbound column
    QString caption = {};        // header text; empty shows the field name
    int weight = 1;              // share of the width in the proportional layout
    Show show = Show::Yes;
    Kind kind = Kind::Text;
    const IconSet &(*icons)() = nullptr; // Kind::Icon; a function, so the set is drawn after the app starts
    Qt::Alignment align = {};    // empty: numbers right, text left, icons centred
    ColumnFlags flags = {};

    // What windows use to name the column: the field, or the name of an unbound one.
    QString key() const { return field.isEmpty() ? flags.name : field; }
    // Header text when the caption is not hidden.
    QString headerText() const { return caption.isEmpty() ? key() : caption; }
};

// Width of one weight unit: the grid width less 30 pixels for the scroll bar
// and frame, divided by the sum of the visible weights and truncated.
int weightUnit(int gridWidth, int weightSum);
