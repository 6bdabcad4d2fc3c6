// Counts the frames a program shows on an X server that has no GPU: Mesa's
// software driver puts each swapped frame into the window with XShmPutImage
// (or XPutImage without shared memory). Loaded with LD_PRELOAD; the count is
// kept in the file named by MARROWICK_FRAME_COUNT_FILE, rewritten in place.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static unsigned long long frames;

static void Count(void) {
  static int file = -2;
  if (file == -2) {
    const char* path = getenv("MARROWICK_FRAME_COUNT_FILE");
    file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
  }
  if (file < 0) return;
  char line[32];
  const int length = snprintf(line, sizeof line, "%20llu\n", ++frames);
  if (pwrite(file, line, (size_t)length, 0) != length) file = -1;
}

Bool XShmPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int srcX, int srcY, int dstX,
                  int dstY, unsigned int width, unsigned int height, Bool sendEvent) {
  static Bool (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int, Bool);
  if (!next) next = dlsym(RTLD_NEXT, "XShmPutImage");
  Count();
  return next(display, drawable, gc, image, srcX, srcY, dstX, dstY, width, height, sendEvent);
}

int XPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int srcX, int srcY, int dstX, int dstY,
              unsigned int width, unsigned int height) {
  static int (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int);
  if (!next) next = dlsym(RTLD_NEXT, "XPutImage");
  Count();
  return next(display, drawable, gc, image, srcX, srcY, dstX, dstY, width, height);
}
