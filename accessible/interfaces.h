// The accessible objects as the toolkit hands them to a reader: installed once, and renewed
// for a page or a review tab as it is shown.
#ifndef ACCESSIBLE_INTERFACES_H
#define ACCESSIBLE_INTERFACES_H

class QTabWidget;
class QWidget;

namespace accessible {

// Installs the accessible objects of this folder with the toolkit; once, after the
// application exists.
void installInterfaces();

// Forgets the accessible objects of a page and all on it, so the reader asks again for
// each of them, states included. Called just before a page is shown: a reader that
// looked at the window while the page was hidden keeps it "not visible" otherwise.
void renewInterfaces(QWidget *page);

// Renews the objects of each review tab as it comes into view, for the same reason.
void renewShownTabs(QTabWidget *tabs);

} // namespace accessible

#endif // ACCESSIBLE_INTERFACES_H
