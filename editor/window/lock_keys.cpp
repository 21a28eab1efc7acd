// Asks X11's keyboard extension for the lock keys; kept apart because X11's macros clash with Qt's names.
#include "status_bar.h"

#ifdef QUILL_HAVE_XKB
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

LockKeys QueryLockKeys()
{
    LockKeys keys;
#ifdef QUILL_HAVE_XKB
    // Only the X11 platform plugin hands out a display; offscreen and Wayland cannot tell.
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display *display = x11->display()) {
            unsigned int state = 0;
            if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success) {
                // Indicator bits of the core keyboard: Caps Lock is bit 0, Num Lock bit 1.
                keys.capsLock = (state & 0x1) != 0;
                keys.numLock = (state & 0x2) != 0;
            }
        }
    }
#endif
    return keys;
}
