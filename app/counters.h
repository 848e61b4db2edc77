#ifndef COUNTERS_H
#define COUNTERS_H

// Process-wide state of one test run.
extern int current_page;     // stack page shown by Back and Next, 0 to 6
extern int correct_answers;  // right answers counted by Finish, 0 to 35

#endif // COUNTERS_H
