// Xlib's own error handler ends the program on any protocol error, and a
// window that vanished a moment before a request about it is one. A game must
// not die of that: the error is written to standard error and play goes on.
#include "platform/Video.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace {

int ReportXError(Display* display, XErrorEvent* e) {
    char text[128] = {};
    XGetErrorText(display, e->error_code, text, sizeof text - 1);
    std::fprintf(stderr, "X error ignored: %s (request %d, resource 0x%lx)\n", text,
                 static_cast<int>(e->request_code), static_cast<unsigned long>(e->resourceid));
    return 0;
}

} // namespace

void KeepXErrorsFromEndingTheGame() {
    XSetErrorHandler(ReportXError);
}
