// What the window tells a screen reader beyond what the toolkit's own accessible objects say:
// spoken announcements, answer lists named by their item, the reading passage line by line,
// and pages a reader sees anew each time they are shown. Only the focus frame draws; nothing
// changes a text, size, colour or style sheet. This header brings in all that
// the window's code uses; each part has a header of its own.
#ifndef ACCESSIBLE_H
#define ACCESSIBLE_H

#include "announcer.h"
#include "focusframe.h"
#include "interfaces.h"
#include "spoken.h"

#endif // ACCESSIBLE_H
