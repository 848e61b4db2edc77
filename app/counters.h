// The two counters of a test run, process-wide as the window's slots share them.
#ifndef COUNTERS_H
#define COUNTERS_H

extern int current_page;     // stack page shown by Back and Next, 0 to 6
extern int correct_answers;  // right answers counted by Finish, 0 to 35

#endif // COUNTERS_H
