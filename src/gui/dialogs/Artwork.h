#pragma once

#include <QPixmap>

// The pictures of the tip and about windows, painted so that they stay sharp at any size.
namespace dialogs {

QPixmap TipPicture();     // a light bulb
QPixmap ProgramPicture(); // a drop-down menu opened under its box
QPixmap MakerPicture();   // the maker's striped badge

} // namespace dialogs
