#ifndef LIST_PAGES_H
#define LIST_PAGES_H

// Shared building steps of the answer-list pages (exercises II to VI).

#endif // LIST_PAGES_H
