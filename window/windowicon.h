#pragma once

#include <QIcon>
#include <QImage>
#include <QStringList>

// A PNG picture of the program's own. Read as PNG alone: a reader left to find the format asks
// every image plugin installed (JPEG, GIF, SVG, ...) whether it can read it, loading them all.
QImage pngPicture(const QString &file);

// The window's icon in several sizes, each decoded from its file only when a size is asked for
// and not kept: the platform copies the pictures into the window once, and holding them decoded
// afterwards (as a QIcon made with addFile does) would cost memory for nothing.
QIcon uncachedIcon(const QStringList &files);
