#pragma once

#include <QIcon>

// The program's icon, a drawn gesture on a round badge: the window's and the notification area's.
QIcon appIcon();
