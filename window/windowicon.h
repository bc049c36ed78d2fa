#pragma once

#include <QIcon>
#include <QStringList>

// The window's icon in several sizes, each decoded from its file only when a size is asked for
// and not kept: the platform copies the pictures into the window once, and holding them decoded
// afterwards (as a QIcon made with addFile does) would cost memory for nothing.
QIcon uncachedIcon(const QStringList &files);
