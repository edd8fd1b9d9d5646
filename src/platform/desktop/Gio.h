#pragma once

#include <QString>

#include <gio/gdesktopappinfo.h>

#include <memory>

// GIO objects owned as C++ objects: unreferenced when they go.
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GioPointer = std::unique_ptr<T, GObjectUnref>;

// The desktop entry of this file; null when it is none.
GioPointer<GDesktopAppInfo> desktopEntryAt(const QString& path);
