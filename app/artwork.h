#pragma once
// The program's own artwork, drawn in code: logo and window icon.

#include <QIcon>
#include <QPixmap>

QPixmap zerdaLogo(const QSize &size);
QIcon zerdaIcon();
