#pragma once

#include <QIcon>

// The program's icon: a drawn gesture on a round badge, at 16, 32 and 48 pixels.
QIcon appIcon();
