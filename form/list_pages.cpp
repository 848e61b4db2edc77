#include "list_pages.h"
