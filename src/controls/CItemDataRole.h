#ifndef CITEMDATAROLE_H
#define CITEMDATAROLE_H

#include <QMetaType>

namespace tools {

// Item data roles through which a model tells the item delegate which editor
// a cell opens and which click zones (small pictures) it carries. The numbers
// are fixed: models and stored data depend on them.
enum CItemDataRole
{
    // int; see kClickFlagSingleClickEdit
    ClickFlagsRole = 31,
    // the answer of a hit test that hit no zone
    NoZoneRole = 132,
    // QStringList: the cell edits with a combo box of these choices
    ComboChoicesRole = 142,
    // int, with ComboChoicesRole: the index of the current choice
    ComboCurrentIndexRole = 143,
    // QDateTime: the cell edits with a date-time edit
    DateTimeEditRole = 145,
    // QDate: the cell edits with a date edit
    DateEditRole = 146,
    // Any value: the cell edits whole numbers in the named range
    IntRange1To999Role = 148,
    IntRange32To16384Role = 149,
    IntRange1To384000Role = 150,
    IntRange32To16384AltRole = 151,
    // QRegExp of forbidden input for the default line editor
    ForbiddenInputRole = 152,
    // int: byte limit of the default line editor
    ByteLimitRole = 153,
    // Qt::Alignment of the zone pixmaps (left when absent)
    PixmapAlignmentRole = 202,
    // QStyle::State mask: zones are drawn only in one of these states
    PixmapShowStateRole = 203,
    // QPixmap of zones 1..3; a click on a zone reports its pixmap role
    ZonePixmap1Role = 212,
    ZonePixmap2Role = 213,
    ZonePixmap3Role = 214,
    // QPixmap of zones 1..3 while the pointer is over them
    ZoneHoverPixmap1Role = 217,
    ZoneHoverPixmap2Role = 218,
    ZoneHoverPixmap3Role = 219,
    // QPixmap of zones 1..3 while the mouse button is down on them
    ZonePressedPixmap1Role = 222,
    ZonePressedPixmap2Role = 223,
    ZonePressedPixmap3Role = 224,
    // Any value: the cell shows the pointing-hand cursor
    HandCursorRole = 232
};

// Bit of ClickFlagsRole: a single left click opens the editor.
constexpr int kClickFlagSingleClickEdit = 2;

// Distance between the cell edge and the first zone, and between zones.
constexpr int kZoneSpacing = 4;

} // namespace tools

Q_DECLARE_METATYPE(tools::CItemDataRole)

#endif
